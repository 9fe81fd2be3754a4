// TbsSkinForm: the system menu, built for the window's state each time it
// opens and shown as a skinned pop-up menu.

#include "platform/framework/application.h"
#include "skin/form/frame_texts.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_popup_menu.h"
#include "skin/skin_data.h"

namespace dsp {

void TbsSkinForm::OpenSystemMenu(Point screen) {
    if (!useDefaultSysMenu_) return;
    // A held caption button lets go: the menu has the mouse now.
    if (pressed_ >= 0) {
        TbsActiveSkinObject* o = objects_[static_cast<std::size_t>(pressed_)].get();
        pressed_ = -1;
        o->MouseUp(-1, -1, TMouseButton::mbLeft);
    }
    drag_.Release();
    if (frameCapture_) {
        frameCapture_ = false;
        form_.SetMouseCapture(false);
    }
    if (!sysMenu_) {
        sysMenu_ = std::make_unique<TbsSkinPopupMenu>(nullptr, Fonts());
        sysMenu_->OnMenuClose = [this] {
            if (OnSkinMenuClose) OnSkinMenuClose(this);
        };
    }
    const TbsSkinData* skin = menusSkinData_ != nullptr ? menusSkinData_ : SkinData();
    sysMenu_->SetSkinData(skin);
    sysMenu_->SetDefaultItemHeight(defMenuItemHeight_);
    auto& items = sysMenu_->Items();
    items.clear();
    const bool minimized = windowState_ == TbsWindowState::wsMinimized;
    const bool maximized = windowState_ == TbsWindowState::wsMaximized;
    auto add = [&](const char* name, const char* text, bool enabled, std::function<void()> run,
                   std::string shortCut = {}) {
        items.push_back({name, FrameText(skin, text), std::move(shortCut), enabled, std::move(run)});
    };
    if (!minimized && (borderIcons_ & biMinimize))
        add("BSF_MINITEM", "MI_MINCAPTION", true, [this] { SetWindowState(TbsWindowState::wsMinimized); });
    if (windowState_ != TbsWindowState::wsNormal || rolledUp_)
        add("BSF_RESTORE", "MI_RESTORECAPTION", true, [this] {
            if (rolledUp_)
                SetRollUpState(false);
            else
                SetWindowState(TbsWindowState::wsNormal);
        });
    if (!maximized && (borderIcons_ & biMaximize))
        add("BSF_MAXITEM", "MI_MAXCAPTION", true, [this] { SetWindowState(TbsWindowState::wsMaximized); });
    if (!rolledUp_ && !minimized && (borderIcons_ & biRollUp))
        add("BSF_ROLLUP", "MI_ROLLUPCAPTION", true, [this] { SetRollUpState(true); });
    if (borderIcons_ & biMinimizeToTray)
        add("BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", true,
            [this] { DoCommand(TbsStdCommand::cmMinimizeToTray); });
    items.push_back({"", "-", "", true, {}});
    add(
        "BSF_CLOSE", "MI_CLOSECAPTION", true, [this] { form_.Close(); }, "Alt+F4");
    const Rect area = AppWorkArea();
    if (OnSkinMenuOpen) OnSkinMenuOpen(this);
    sysMenu_->Popup(screen, area);
}

void TbsSkinForm::CloseSystemMenu() {
    if (sysMenu_ && sysMenu_->Visible()) sysMenu_->CloseMenu();
}

}  // namespace dsp
