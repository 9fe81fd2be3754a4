#include "platform/framework/painter.h"

#include <vector>

#include "platform/framework/win_control.h"

namespace dsp {
namespace {

// Runs one paint step with the canvas's origin at `origin`, and takes back
// any clip the handler forgot to pop.
template <class F>
void Step(Canvas& canvas, Point origin, F&& f) {
    int depth = canvas.ClipDepth();
    canvas.SetOrigin(origin);
    f();
    while (canvas.ClipDepth() > depth) canvas.PopClip();
    canvas.SetOrigin({});
}

void PushDeviceClip(Canvas& canvas, const Rect& r) {
    canvas.SetOrigin({});
    canvas.PushClip(r);
}

// What an opaque windowed child covers of its parent, on the device: its
// rectangle inside the parent's client area (it is cut there), when no window
// region cuts pixels out of it. The child paints every one of those pixels
// after its parent, so the parent need not.
// Only children over `box` (the bounds of what is repainted) count.
Region CoveredByChildren(const TWinControl& control, const Rect& client, const Rect& box) {
    std::vector<Rect> covered;
    for (int i = 0; i < control.ControlCount(); ++i) {
        const TControl* child = control.Controls(i);
        if (!child->IsWindowed()) continue;
        const auto* w = static_cast<const TWinControl*>(child);
        if (!w->Visible() || !(w->ControlStyle() & csOpaque) || w->WindowRegion()) continue;
        const Rect r = Intersect(
            Rect::FromOriginSize(client.left + w->Left(), client.top + w->Top(), w->Width(), w->Height()),
            client);
        const Rect over = Intersect(r, box);
        if (over.IsEmpty()) continue;
        if (over == box) return Region(box);  // one child over all of it: no region arithmetic
        covered.push_back(r);
    }
    return Region::FromRects(covered);
}

bool Inside(const Rect& box, const Rect& r) { return Intersect(box, r) == box; }

// The windowed child of `parent` painted last over `box`, when it alone
// paints all of the box (windowless children are painted before any windowed
// one, so they are covered too); nullptr otherwise.
TWinControl* SoleCover(const TWinControl& parent, Point clientOrigin, const Rect& box) {
    for (int i = parent.ControlCount() - 1; i >= 0; --i) {
        TControl* child = parent.Controls(i);
        if (!child->IsWindowed() || !child->Visible()) continue;
        const Rect r = Rect::FromOriginSize(clientOrigin.x + child->Left(), clientOrigin.y + child->Top(),
                                            child->Width(), child->Height());
        if (Intersect(r, box).IsEmpty()) continue;
        auto* w = static_cast<TWinControl*>(child);
        const bool covers = (w->ControlStyle() & csOpaque) && !w->WindowRegion() && Inside(box, r);
        return covers ? w : nullptr;
    }
    return nullptr;
}

}  // namespace

bool PaintWithinOneControl(Canvas& canvas, TWinControl& root, const Rect& box) {
    if (box.IsEmpty() || !Inside(box, Rect{0, 0, root.Width(), root.Height()})) return false;
    if (root.WindowRegion() && !root.WindowRegion()->Covers(box)) return false;
    TWinControl* control = &root;
    Point origin{};
    for (;;) {
        const Rect client = control->ClientRectInWindow().Offset(origin);
        TWinControl* child = Inside(box, client) ? SoleCover(*control, client.TopLeft(), box) : nullptr;
        if (child == nullptr) break;
        control = child;
        origin = client.TopLeft() + Point{child->Left(), child->Top()};
    }
    if (control == &root) return false;
    PaintWindowTree(canvas, *control, origin);
    return true;
}

void PaintWindowTree(Canvas& canvas, TWinControl& control, Point origin) {
    Rect window = Rect::FromOriginSize(origin.x, origin.y, control.Width(), control.Height());
    int depth = canvas.ClipDepth();
    PushDeviceClip(canvas, window);
    if (const auto& region = control.WindowRegion()) {
        Region shifted = *region;
        shifted.Offset(origin.x, origin.y);
        canvas.PushClip(shifted);
    }
    if (canvas.ClipBox().IsEmpty()) {
        while (canvas.ClipDepth() > depth) canvas.PopClip();
        return;
    }
    Rect client = control.ClientRectInWindow().Offset(origin);
    Point clientOrigin = client.TopLeft();
    // The control's own steps leave out what its opaque children cover; with
    // nothing left they do not run.
    const int ownDepth = canvas.ClipDepth();
    canvas.SetOrigin({});
    const Region covered = CoveredByChildren(control, client, canvas.ClipBox());
    if (!covered.IsEmpty()) canvas.PushClip(canvas.ClipRegion().Subtract(covered));
    if (!canvas.ClipBox().IsEmpty()) {
        Step(canvas, origin, [&] { control.Perform(kWmNcPaint, reinterpret_cast<uintptr_t>(&canvas)); });
        PushDeviceClip(canvas, client);
        // An opaque control's paint covers whatever an erase would draw.
        if (!(control.ControlStyle() & csOpaque))
            Step(canvas, clientOrigin,
                 [&] { control.Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas)); });
        Step(canvas, clientOrigin, [&] { control.PaintWith(canvas); });
    }
    while (canvas.ClipDepth() > ownDepth) canvas.PopClip();
    PushDeviceClip(canvas, client);

    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        if (!child->Visible()) continue;
        Point childOrigin = clientOrigin + Point{child->Left(), child->Top()};
        if (child->IsWindowed()) {
            PaintWindowTree(canvas, *static_cast<TWinControl*>(child), childOrigin);
            continue;
        }
        PushDeviceClip(canvas,
                       Rect::FromOriginSize(childOrigin.x, childOrigin.y, child->Width(), child->Height()));
        if (!canvas.ClipBox().IsEmpty()) Step(canvas, childOrigin, [&] { child->PaintWith(canvas); });
        canvas.PopClip();
    }
    while (canvas.ClipDepth() > depth) canvas.PopClip();
    canvas.SetOrigin({});
}

}  // namespace dsp
