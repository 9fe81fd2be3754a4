#include "skin/skin_frame.h"

#include <algorithm>

#include "skin/compose/plan_draw.h"
#include "skin/compose/skin_body.h"

namespace dsp {
namespace {

// The background tile: a picture of the list, or the client part of the main
// picture. An index beyond the list or a client rectangle outside the main
// picture gives no tile, so a damaged description paints button face rather
// than reading past a picture.
struct Tile {
    const Bitmap* picture = nullptr;
    Rect source;
};

Tile BackgroundTile(const TbsSkinData& skin) {
    const TbsSkinFormData& form = skin.FormData();
    int index = form.BGPictureIndex;
    if (index != -1) {
        if (index < 0 || static_cast<std::size_t>(index) >= skin.ActivePictureCount()) return {};
        const Bitmap& picture = skin.ActivePictureBitmap(static_cast<std::size_t>(index));
        return {&picture, picture.Bounds()};
    }
    const TRect& r = form.ClientRect;
    Rect source = Intersect(ToRect(r), skin.PictureBitmap().Bounds());
    if (source.Width() <= 0 || source.Height() <= 0) return {};
    return {&skin.PictureBitmap(), source};
}

}  // namespace

// An earlier partner is not dropped: the same object may be referenced
// twice (SkinData and CtrlsSkinData), and a notice from one no longer
// referenced matches nothing.
void TbsSkinComponent::SetSkinData(TbsSkinData* value) {
    if (skinData_ == value) return;
    skinData_ = value;
    if (value != nullptr) FreeNotification(value);
}

void TbsSkinComponent::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == skinData_) skinData_ = nullptr;
}

TbsSkinFrame::TbsSkinFrame(TComponent* owner) : TbsSkinComponent(owner) {
    window_ = dynamic_cast<TControl*>(owner);
    if (window_ == nullptr) return;
    previousHandler_ = window_->WindowProc;
    window_->WindowProc = [this](TMessage& message) { HandleMessage(message); };
}

TbsSkinFrame::~TbsSkinFrame() {
    if (window_ != nullptr) window_->WindowProc = std::move(previousHandler_);
}

void TbsSkinFrame::HandleMessage(TMessage& message) {
    if (message.Msg == kWmEraseBkgnd && drawBackground_) {
        if (auto* canvas = reinterpret_cast<Canvas*>(message.WParam)) {
            PaintBackground(*canvas, window_->ClientRect(), SkinData());
        }
        message.Result = 1;
        return;
    }
    previousHandler_(message);
}

void TbsSkinFrame::PaintBackground(Canvas& canvas, const Rect& client, const TbsSkinData* skin) {
    if (client.Width() <= 0 || client.Height() <= 0) return;
    Tile tile;
    if (skin != nullptr && !skin->Empty()) tile = BackgroundTile(*skin);
    if (tile.picture == nullptr) {
        canvas.FillRect(client, clBtnFace);
        return;
    }
    const TbsSkinFormData& form = skin->FormData();
    DrawPlan(canvas, *tile.picture,
             AreaPlan(tile.source, client, ClientFill(form.StretchEffect, form.StretchType)));
}

void TbsSkinFrame::ChangeSkinData() {
    if (window_ != nullptr) window_->Invalidate();
}

void TbsSkinFrame::SetCtrlsSkinData(TbsSkinData* value) {
    ctrlsSkinData_ = value;
    if (value != nullptr) FreeNotification(value);
    if (window_ == nullptr || Loading()) return;
    for (int i = 0; i < window_->ComponentCount(); ++i) {
        if (auto* user = dynamic_cast<SkinDataUser*>(window_->Components(i))) user->SetSkinData(value);
    }
}

void TbsSkinFrame::Notification(TComponent* component, TOperation operation) {
    TbsSkinComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == ctrlsSkinData_) ctrlsSkinData_ = nullptr;
}

}  // namespace dsp
