#pragma once
// The scenes submenu of the window's skinned system menu: "Scenes" there
// opens a skinned pop-up with saving the panel as a scene (a small dialog
// asks the name), the saved scenes to apply, undo of the last apply and A/B.

#include <iosfwd>
#include <memory>
#include <string>

#include "platform/graphics/geometry.h"

namespace dsp {

class PanelScenes;
class SceneNameDialog;
class SystemMenuEntry;
class TForm1;
class TbsSkinForm;
class TbsSkinPopupMenu;

class ScenesMenu {
  public:
    // `problems` hears why a scene could not be applied or saved.
    ScenesMenu(TForm1& form, PanelScenes& scenes, std::ostream& problems);
    ~ScenesMenu();
    ScenesMenu(const ScenesMenu&) = delete;
    ScenesMenu& operator=(const ScenesMenu&) = delete;

    // The pop-up, once opened; the name dialog while it asks.
    TbsSkinPopupMenu* Submenu() const { return submenu_.get(); }
    SceneNameDialog* Dialog() const { return dialog_.get(); }

    void OpenSubmenu(Point screen);
    void AskName();

  private:
    void FillSubmenu();
    bool Chinese() const;
    const std::string& Text(int id) const;
    void SaveAs(const std::string& name);
    void Apply(const std::string& name);

    TForm1& form_;
    PanelScenes& scenes_;
    std::ostream& problems_;
    TbsSkinForm* frame_ = nullptr;
    std::unique_ptr<SystemMenuEntry> entry_;
    std::unique_ptr<TbsSkinPopupMenu> submenu_;
    std::unique_ptr<SceneNameDialog> dialog_;
};

}  // namespace dsp
