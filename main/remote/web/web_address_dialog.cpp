#include "main/remote/web/web_address_dialog.h"

#include <algorithm>

#include "controls/button.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "main/panel/form1.h"
#include "main/panel/image.h"
#include "platform/qr/qr_picture.h"

namespace dsp {
namespace {

constexpr int kWidth = 420;
constexpr int kMargin = 12;
constexpr int kLineHeight = 20;
// Room for the code at four pixels a module up to version 6 (49 modules with
// the quiet zone): any IPv4 or IPv6 address with its token, big enough for a
// phone at arm's length.
constexpr int kCodeRoom = 196;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;

template <class T>
T* Add(TWinControl* parent, TForm1& form, const char* name, Rect bounds) {
    T* control = new T(&form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBoundsRect(bounds);
    return control;
}

TbsSkinStdLabel* AddLine(TWinControl* parent, TForm1& form, const char* name, int top) {
    auto* label =
        Add<TbsSkinStdLabel>(parent, form, name, {kMargin, top, kWidth - kMargin, top + kLineHeight});
    label->SetAutoSize(false);
    label->SetAlignment(TAlignmentText::Center);
    label->SetSkinDataName("stdlabel");
    label->SetSkinData(form.bsSkinButton1->SkinData());
    return label;
}

}  // namespace

WebAddressDialog::WebAddressDialog(TForm1& form, std::string address)
    : form_(form), address_(std::move(address)) {
    if (const std::optional<QrCode> code = EncodeQr(address_)) {
        const int modules = code->size + 2 * kQrQuietZone;
        code_ = QrPicture(*code, std::max(1, kCodeRoom / modules));
    }
}

void WebAddressDialog::Build() {
    const int codeSide = code_.Empty() ? 0 : code_.Width();
    const int codeTop = kMargin + kLineHeight + 6;
    const int textTop = codeTop + codeSide + 6;
    const int buttonTop = textTop + kLineHeight + 10;
    const int height = buttonTop + kButtonHeight + kMargin;
    const int left = (form_.ClientWidth() - kWidth) / 2;
    const int top = std::max(0, (form_.ClientHeight() - height) / 2);

    panel_ = Add<TbsSkinPanel>(&form_, form_, "WebAddressPanel", {left, top, left + kWidth, top + height});
    panel_->SetSkinDataName("panel");
    panel_->SetSkinData(form_.bsSkinButton1->SkinData());
    panel_->SetCaption("");
    prompt_ = AddLine(panel_, form_, "WebAddressPrompt", kMargin);
    if (!code_.Empty()) {
        const int codeLeft = (kWidth - codeSide) / 2;
        auto* image = Add<TImage>(panel_, form_, "WebAddressCode",
                                  {codeLeft, codeTop, codeLeft + codeSide, codeTop + codeSide});
        image->SetPicture(code_);
    }
    AddLine(panel_, form_, "WebAddressText", textTop)->SetCaption(address_);
    const int buttonLeft = (kWidth - kButtonWidth) / 2;
    close_ =
        Add<TbsSkinButton>(panel_, form_, "WebAddressClose",
                           {buttonLeft, buttonTop, buttonLeft + kButtonWidth, buttonTop + kButtonHeight});
    close_->SetSkinDataName(form_.bsSkinButton1->SkinDataName());
    close_->SetSkinData(form_.bsSkinButton1->SkinData());
    // Escape anywhere in the window clicks it while it shows.
    close_->SetCancel(true);
    close_->OnClick = [this](TObject*) { Close(); };
}

void WebAddressDialog::Open(const Texts& texts) {
    if (!panel_) Build();
    prompt_->SetCaption(texts.prompt);
    close_->SetCaption(texts.close);
    panel_->SetVisible(true);
    panel_->BringToFront();
    close_->SetFocus();
}

void WebAddressDialog::Close() {
    if (panel_) panel_->SetVisible(false);
}

bool WebAddressDialog::IsOpen() const { return panel_ && panel_->Visible(); }

}  // namespace dsp
