#include "skin/form/frame_object.h"

#include <algorithm>

#include "skin/compose/effect_bmp.h"
#include "skin/form/caption_commands.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

constexpr double kMorphStep = 0.2;

enum class Zone { None, LeftTop, RightTop, LeftBottom, RightBottom };

Zone ZoneOf(Point p, const TbsSkinFormData& f, Size picture) {
    const Point lt = ToPoint(f.LTPoint), rt = ToPoint(f.RTPoint);
    const Point lb = ToPoint(f.LBPoint), rb = ToPoint(f.RBPoint);
    if (Rect{0, 0, lt.x, lt.y}.Contains(p)) return Zone::LeftTop;
    if (Rect{rt.x, 0, picture.cx, rt.y}.Contains(p)) return Zone::RightTop;
    if (Rect{0, lb.y, lb.x, picture.cy}.Contains(p)) return Zone::LeftBottom;
    if (Rect{rb.x, rb.y, picture.cx, picture.cy}.Contains(p)) return Zone::RightBottom;
    return Zone::None;
}

Bitmap Cut(const Bitmap& picture, const Rect& r) {
    Bitmap out(r.Width(), r.Height());
    Canvas canvas(out);
    canvas.CopyRect({0, 0}, picture, r);
    return out;
}

}  // namespace

Rect PlaceObjectRect(const Rect& r, const TbsSkinFormData& f, const FrameLayout& l) {
    const Size picture{l.pictureWidth, l.pictureHeight};
    // The rectangle's first and last pixels; a rectangle flush with the
    // picture's right or bottom edge still lies in its zone.
    const Zone a = ZoneOf(r.TopLeft(), f, picture);
    const Zone b = ZoneOf({r.right - 1, r.bottom - 1}, f, picture);
    const int dx = l.dx, dy = l.dy;
    if (a == b) {
        switch (a) {
            case Zone::RightTop:
                return r.Offset(dx, 0);
            case Zone::LeftBottom:
                return r.Offset(0, dy);
            case Zone::RightBottom:
                return r.Offset(dx, dy);
            default:
                return r;
        }
    }
    if (a == Zone::LeftTop && b == Zone::RightBottom) return {r.left, r.top, r.right + dx, r.bottom + dy};
    if (a == Zone::LeftTop && b == Zone::RightTop) return {r.left, r.top, r.right + dx, r.bottom};
    if (a == Zone::LeftBottom && b == Zone::RightBottom)
        return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
    if (a == Zone::LeftTop && b == Zone::LeftBottom) return {r.left, r.top, r.right, r.bottom + dy};
    if (a == Zone::RightTop && b == Zone::RightBottom)
        return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
    return r;
}

std::string FitCaptionText(const std::string& text, int width,
                           const std::function<int(std::string_view)>& measure) {
    if (text.empty() || measure(text) <= width) return text;
    std::string cut = text;
    while (!cut.empty()) {
        // Remove one whole UTF-8 character from the end.
        std::size_t n = cut.size() - 1;
        while (n > 0 && (static_cast<unsigned char>(cut[n]) & 0xC0) == 0x80) --n;
        cut.erase(n);
        if (measure(cut + "...") <= width) break;
    }
    return cut + "...";
}

// --- the base object

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm& frame, const TbsDataSkinObject& data)
    : frame_(frame), data_(data), activeRect_(data.ActiveSkinRect) {
    Hint = data.Hint;
    const TbsSkinData* skin = frame.SkinData();
    if (skin != nullptr) ownPicture_ = skin->Picture(data.ActivePictureIndex);
    if (ownPicture_ == nullptr) activeRect_ = {};
    Morphing = data.Morphing && !activeRect_.IsEmpty();
}

void TbsActiveSkinObject::Place(const TbsSkinFormData& form, const FrameLayout& layout) {
    rect_ = PlaceObjectRect(ToRect(data_.SkinRect), form, layout);
}

bool TbsActiveSkinObject::StillMorphing() const { return Morphing && MorphFactor != MorphTarget(); }

void TbsActiveSkinObject::MorphStep() {
    const double target = MorphTarget();
    MorphFactor = MorphFactor < target ? std::min(target, MorphFactor + kMorphStep)
                                       : std::max(target, MorphFactor - kMorphStep);
}

const Bitmap* TbsActiveSkinObject::NormalPicture() const {
    if (ImageInOwnPicture()) return ownPicture_;
    const TbsSkinData* skin = frame_.SkinData();
    if (skin == nullptr) return nullptr;
    if (!frame_.FormActive() && !skin->InActivePictureBitmap().Empty()) return &skin->InActivePictureBitmap();
    return &skin->PictureBitmap();
}

bool TbsActiveSkinObject::DrawImage(Canvas& canvas, const Bitmap* picture, const TRect& source) const {
    if (picture == nullptr || source.IsEmpty()) return false;
    const Rect src = Intersect(ToRect(source), picture->Bounds());
    if (src.IsEmpty()) return false;
    if (src.Width() == rect_.Width() && src.Height() == rect_.Height())
        canvas.CopyRect(rect_.TopLeft(), *picture, src);
    else
        canvas.StretchDraw(rect_, *picture, src);
    return true;
}

bool TbsActiveSkinObject::DrawFade(Canvas& canvas) const {
    const Bitmap* normal = NormalPicture();
    if (normal == nullptr || ownPicture_ == nullptr) return false;
    const Rect a = Intersect(ToRect(data_.SkinRect), normal->Bounds());
    const Rect b = Intersect(ToRect(activeRect_), ownPicture_->Bounds());
    if (a.IsEmpty() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
    // The blend keeps `self` at weight 1 - k: start from the normal image.
    TbsEffectBmp self(Cut(*normal, a));
    self.Morph(data_.MorphKind, TbsEffectBmp(Cut(*ownPicture_, b)), MorphFactor);
    const Bitmap blended = self.ToBitmap();
    if (blended.Width() == rect_.Width() && blended.Height() == rect_.Height())
        canvas.Draw(rect_.TopLeft(), blended);
    else
        canvas.StretchDraw(rect_, blended, blended.Bounds());
    return true;
}

void TbsActiveSkinObject::DrawCommon(Canvas& canvas, bool selfRepaint) const {
    if (!frame_.FormActive() && Enabled && DrawImage(canvas, ownPicture_, data_.InActiveSkinRect)) return;
    if (Morphing && MorphFactor > 0 && MorphFactor < 1 && DrawFade(canvas)) return;
    if (Active && DrawImage(canvas, ownPicture_, activeRect_)) return;
    if (ImageInOwnPicture() || selfRepaint) DrawImage(canvas, NormalPicture(), data_.SkinRect);
}

void TbsActiveSkinObject::Draw(Canvas& canvas, bool selfRepaint) { DrawCommon(canvas, selfRepaint); }

void TbsActiveSkinObject::MouseDown(int, int, TMouseButton) {
    if (frame_.OnMouseDownEvent) frame_.OnMouseDownEvent(&frame_, IDName());
}

void TbsActiveSkinObject::MouseUp(int, int, TMouseButton) {
    if (MouseIn && frame_.OnMouseUpEvent) frame_.OnMouseUpEvent(&frame_, IDName());
}

void TbsActiveSkinObject::MouseMove(int x, int y) {
    const bool in = rect_.Contains(Point{x, y});
    if (in != MouseIn) {
        MouseIn = in;
        frame_.RepaintObject(*this);
    }
    if (frame_.OnMouseMoveEvent) frame_.OnMouseMoveEvent(&frame_, IDName());
}

void TbsActiveSkinObject::MouseEnter() {
    MouseIn = true;
    if (!IsCaption()) Active = true;
    frame_.RepaintObject(*this);
    if (frame_.OnMouseEnterEvent) frame_.OnMouseEnterEvent(&frame_, IDName());
}

void TbsActiveSkinObject::MouseLeave() {
    MouseIn = false;
    if (!IsCaption()) Active = false;
    frame_.RepaintObject(*this);
    if (frame_.OnMouseLeaveEvent) frame_.OnMouseLeaveEvent(&frame_, IDName());
}

// --- buttons

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm& frame, const TbsDataSkinButton& data)
    : TbsActiveSkinObject(frame, data), button_(data) {}

bool TbsSkinButtonObject::DrawDisabledOrDown(Canvas& canvas) const {
    if (!Enabled && DrawImage(canvas, ownPicture_, button_.DisableSkinRect)) return true;
    return Down() && DrawImage(canvas, ownPicture_, button_.DownRect);
}

void TbsSkinButtonObject::Draw(Canvas& canvas, bool selfRepaint) {
    if (DrawDisabledOrDown(canvas)) return;
    DrawCommon(canvas, selfRepaint);
}

void TbsSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
    if (button == TMouseButton::mbLeft) {
        down_ = true;
        frame_.RepaintObject(*this);
    }
    TbsActiveSkinObject::MouseDown(x, y, button);
}

void TbsSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
    if (button == TMouseButton::mbLeft) {
        down_ = false;
        MouseIn = rect_.Contains(Point{x, y});
        Active = MouseIn;
        frame_.RepaintObject(*this);
    }
    TbsActiveSkinObject::MouseUp(x, y, button);
}

void TbsSkinButtonObject::MouseMove(int x, int y) { TbsActiveSkinObject::MouseMove(x, y); }

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm& frame, const TbsDataSkinStdButton& data)
    : TbsSkinButtonObject(frame, data), std_(data) {}

bool TbsSkinStdButtonObject::InRestoreState() const {
    const auto restored = CaptionCommandOf(std_.Command).restoreState;
    return restored && restored(frame_);
}

bool TbsSkinStdButtonObject::DrawRestore(Canvas& canvas) const {
    if (!InRestoreState() || std_.RestoreRect.IsEmpty() || !Enabled) return false;
    if (!frame_.FormActive() && DrawImage(canvas, ownPicture_, std_.RestoreInactiveRect)) return true;
    if (Down() && DrawImage(canvas, ownPicture_, std_.RestoreDownRect)) return true;
    if (Active && DrawImage(canvas, ownPicture_, std_.RestoreActiveRect)) return true;
    return DrawImage(canvas, ownPicture_, std_.RestoreRect);
}

// With ShowIcon, a system menu button drawn from its own picture shows the
// window's icon, stretched to the button.
bool TbsSkinStdButtonObject::DrawIcon(Canvas& canvas) const {
    if (std_.Command != TbsStdCommand::cmSysMenu || !frame_.ShowIcon() || !ImageInOwnPicture()) return false;
    const Bitmap& icon = frame_.Form().Icon();
    if (icon.Empty()) return false;
    canvas.StretchDraw(rect_, icon, {0, 0, icon.Width(), icon.Height()});
    return true;
}

void TbsSkinStdButtonObject::Draw(Canvas& canvas, bool selfRepaint) {
    if (DrawIcon(canvas) || DrawRestore(canvas)) return;
    TbsSkinButtonObject::Draw(canvas, selfRepaint);
}

void TbsSkinStdButtonObject::MouseDown(int x, int y, TMouseButton button) {
    TbsSkinButtonObject::MouseDown(x, y, button);
    if (button == TMouseButton::mbLeft && std_.Command == TbsStdCommand::cmSysMenu) {
        const Point below =
            Point{rect_.left, rect_.bottom} + Point{frame_.Form().Left(), frame_.Form().Top()};
        frame_.OpenSystemMenu(below);
    }
}

void TbsSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
    const bool command = button == TMouseButton::mbLeft && rect_.Contains(Point{x, y}) && Enabled &&
                         std_.Command != TbsStdCommand::cmSysMenu;
    TbsSkinForm& frame = frame_;
    const TbsStdCommand cmd = std_.Command;
    if (command && cmd != TbsStdCommand::cmClose) frame.DoCommand(cmd);
    if (command && cmd != TbsStdCommand::cmClose) {
        // The command may have rebuilt the objects (a skin change); this one
        // only finishes its release when it still exists.
        bool alive = false;
        for (const auto& o : frame.Objects()) alive = alive || o.get() == this;
        if (!alive) return;
    }
    TbsSkinButtonObject::MouseUp(x, y, button);
    // Close last: the window and this object may be gone afterwards.
    if (command && cmd == TbsStdCommand::cmClose) frame.DoCommand(cmd);
}

// --- animate

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm& frame, const TbsDataSkinAnimate& data)
    : TbsActiveSkinObject(frame, data), animate_(data) {}

void TbsSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
    const bool command = button == TMouseButton::mbLeft && rect_.Contains(Point{x, y}) && Enabled;
    TbsSkinForm& frame = frame_;
    const TbsStdCommand cmd = animate_.Command;
    TbsActiveSkinObject::MouseUp(x, y, button);
    if (command) frame.DoCommand(cmd);
}

// --- the list

FrameObjectList CreateFrameObjects(TbsSkinForm& frame, const TbsSkinData& skin) {
    FrameObjectList list;
    for (const auto& data : skin.ObjectList()) {
        const TbsDataSkinObject* d = data.get();
        if (dynamic_cast<const TbsDataSkinMainMenuBarButton*>(d) ||
            dynamic_cast<const TbsDataSkinMenuItem*>(d) || dynamic_cast<const TbsDataSkinMainMenuItem*>(d))
            continue;
        if (auto* b = dynamic_cast<const TbsDataSkinStdButton*>(d))
            list.push_back(std::make_unique<TbsSkinStdButtonObject>(frame, *b));
        else if (auto* b2 = dynamic_cast<const TbsDataSkinButton*>(d))
            list.push_back(std::make_unique<TbsSkinButtonObject>(frame, *b2));
        else if (auto* c = dynamic_cast<const TbsDataSkinCaption*>(d))
            list.push_back(std::make_unique<TbsSkinCaptionObject>(frame, *c));
        else if (auto* a = dynamic_cast<const TbsDataSkinAnimate*>(d))
            list.push_back(std::make_unique<TbsSkinAnimateObject>(frame, *a));
        else if (dynamic_cast<const TbsDataUserObject*>(d))
            list.push_back(std::make_unique<TbsUserObject>(frame, *d));
    }
    return list;
}

}  // namespace dsp
