#include "platform/framework/painter.h"

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

}  // namespace

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
    Step(canvas, origin, [&] { control.Perform(kWmNcPaint, reinterpret_cast<uintptr_t>(&canvas)); });

    Rect client = control.ClientRectInWindow().Offset(origin);
    PushDeviceClip(canvas, client);
    Point clientOrigin = client.TopLeft();
    Step(canvas, clientOrigin, [&] { control.Perform(kWmEraseBkgnd, reinterpret_cast<uintptr_t>(&canvas)); });
    Step(canvas, clientOrigin, [&] { control.PaintWith(canvas); });

    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        if (!child->Visible()) continue;
        Point childOrigin = clientOrigin + Point{child->Left(), child->Top()};
        if (auto* w = dynamic_cast<TWinControl*>(child)) {
            PaintWindowTree(canvas, *w, childOrigin);
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
