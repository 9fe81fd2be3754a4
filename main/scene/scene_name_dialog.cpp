#include "main/scene/scene_name_dialog.h"

#include "controls/button.h"
#include "controls/custom_edit.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "main/panel/form1.h"
#include "platform/framework/keys.h"

namespace dsp {
namespace {

constexpr int kWidth = 260;
constexpr int kHeight = 110;
// Scene names become file names: long enough for any title, short enough for
// every file system.
constexpr int kMaxNameLength = 64;

// A control of the dialog, drawing from the window's skin: from `section`,
// or from the section of the window's control `like` when none is given.
template <class T>
T* Place(TWinControl* parent, const TbsSkinControl& like, Rect bounds, const std::string& section = {}) {
    T* control = new T(parent);
    control->SetParent(parent);
    control->SetSkinDataName(section.empty() ? like.SkinDataName() : section);
    control->SetSkinData(like.SkinData());
    control->SetBoundsRect(bounds);
    return control;
}

}  // namespace

SceneNameDialog::SceneNameDialog(TForm1& form, const std::string& question, const std::string& ok,
                                 const std::string& cancel, Done done)
    : done_(std::move(done)) {
    const int left = (form.ClientWidth() - kWidth) / 2;
    const int top = (form.ClientHeight() - kHeight) / 2;
    panel_ =
        Place<TbsSkinPanel>(&form, *form.bsSkinButton1, {left, top, left + kWidth, top + kHeight}, "panel");
    panel_->SetCaption("");
    auto* label = new TbsSkinStdLabel(panel_);
    label->SetParent(panel_);
    label->SetBoundsRect({12, 10, kWidth - 12, 30});
    label->SetCaption(question);
    edit_ = Place<TbsSkinCustomEdit>(panel_, *form.bsSkinNumericEdit1, {12, 34, kWidth - 12, 56});
    edit_->SetMaxLength(kMaxNameLength);
    edit_->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
        if (key == kVkReturn) Accept();
        if (key == kVkEscape) Cancel();
    };
    ok_ = Place<TbsSkinButton>(panel_, *form.bsSkinButton1, {kWidth - 180, 70, kWidth - 100, 96});
    ok_->SetCaption(ok);
    ok_->OnClick = [this](TObject*) { Accept(); };
    cancel_ = Place<TbsSkinButton>(panel_, *form.bsSkinButton1, {kWidth - 92, 70, kWidth - 12, 96});
    cancel_->SetCaption(cancel);
    cancel_->OnClick = [this](TObject*) { Cancel(); };
    panel_->BringToFront();
    edit_->SetFocus();
}

SceneNameDialog::~SceneNameDialog() {
    Close();
    delete retired_;
}

void SceneNameDialog::Accept() {
    if (!panel_ || edit_->Text().empty()) return;
    const std::string name = edit_->Text();
    Close();
    done_(name);
}

void SceneNameDialog::Cancel() { Close(); }

void SceneNameDialog::Close() {
    if (!panel_) return;
    // Hidden now, freed with the dialog: Close runs inside the handlers of
    // the panel's own buttons and edit.
    retired_ = panel_;
    panel_ = nullptr;
    edit_ = nullptr;
    retired_->SetVisible(false);
}

}  // namespace dsp
