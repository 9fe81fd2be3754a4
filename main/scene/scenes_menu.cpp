#include "main/scene/scenes_menu.h"

#include <array>
#include <ostream>

#include "main/panel/form1.h"
#include "main/panel/system_menu_entry.h"
#include "main/scene/panel_scenes.h"
#include "main/scene/scene_file.h"
#include "main/scene/scene_name_dialog.h"
#include "platform/framework/application.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_popup_menu.h"

namespace dsp {
namespace {

enum TextId { kScenes, kSave, kUndo, kAB, kQuestion, kOk, kCancel, kTextCount };

// English, Chinese.
constexpr std::array<std::array<std::string_view, 2>, kTextCount> kTexts = {{
    {"Scenes", "场景"},
    {"Save scene...", "保存场景..."},
    {"Undo scene", "撤销场景"},
    {"A/B compare", "A/B 对比"},
    {"Scene name:", "场景名称:"},
    {"OK", "确定"},
    {"Cancel", "取消"},
}};

// A name becomes NAME.scene in the scenes folder: no folders, nothing hidden.
bool UsableName(const std::string& name) {
    return !name.empty() && name.front() != '.' && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos;
}

}  // namespace

ScenesMenu::ScenesMenu(TForm1& form, PanelScenes& scenes, std::ostream& problems)
    : form_(form), scenes_(scenes), problems_(problems) {
    frame_ = dynamic_cast<TbsSkinForm*>(form.FindComponent("bsSkinForm1"));
    if (!frame_) return;
    entry_ = std::make_unique<SystemMenuEntry>(*frame_, [this](TbsSkinPopupMenu& menu) {
        return TbsMenuItem{"DSP_SCENES", Text(kScenes), "", true, [this, &menu] {
                               OpenSubmenu({menu.Left(), menu.Top()});
                           }};
    });
}

ScenesMenu::~ScenesMenu() = default;

bool ScenesMenu::Chinese() const { return form_.bsSkinComboBox8->ItemIndex() == 0; }

const std::string& ScenesMenu::Text(int id) const {
    static const auto kStrings = [] {
        std::array<std::array<std::string, 2>, kTextCount> strings;
        for (std::size_t i = 0; i < kTexts.size(); ++i)
            strings[i] = {std::string(kTexts[i][0]), std::string(kTexts[i][1])};
        return strings;
    }();
    return kStrings[static_cast<std::size_t>(id)][Chinese() ? 1 : 0];
}

void ScenesMenu::OpenSubmenu(Point screen) {
    if (!submenu_) submenu_ = std::make_unique<TbsSkinPopupMenu>(nullptr, frame_->Fonts());
    submenu_->SetSkinData(frame_->MenusSkinData() ? frame_->MenusSkinData() : frame_->SkinData());
    FillSubmenu();
    submenu_->Popup(screen, AppWorkArea());
}

void ScenesMenu::FillSubmenu() {
    auto& items = submenu_->Items();
    items.clear();
    items.push_back({"DSP_SCENE_SAVE", Text(kSave), "", true, [this] { AskName(); }});
    const auto names = ListScenes();
    if (!names.empty()) items.push_back({"", "-", "", true, {}});
    for (const std::string& name : names)
        items.push_back({"DSP_SCENE_APPLY", name, "", true, [this, name] { Apply(name); }});
    items.push_back({"", "-", "", true, {}});
    items.push_back({"DSP_SCENE_UNDO", Text(kUndo), "", scenes_.CanUndo(), [this] { scenes_.Undo(); }});
    items.push_back({"DSP_SCENE_AB", Text(kAB), "", scenes_.CanFlip(), [this] { scenes_.Flip(); }});
}

void ScenesMenu::AskName() {
    dialog_ = std::make_unique<SceneNameDialog>(form_, Text(kQuestion), Text(kOk), Text(kCancel),
                                                [this](const std::string& name) { SaveAs(name); });
}

void ScenesMenu::SaveAs(const std::string& name) {
    if (!UsableName(name)) {
        problems_ << "dsp-panel: a scene name has no '/' or '\\' and does not begin with '.': " << name
                  << '\n';
        return;
    }
    Scene scene = scenes_.Current();
    scene.SetName(name);
    const std::string path = ResolveScenePath(name);
    if (const int rc = SaveSceneFile(path, scene); rc != 0)
        problems_ << "dsp-panel: cannot write " << path << " (errno " << rc << ")\n";
}

void ScenesMenu::Apply(const std::string& name) {
    if (std::optional<std::string> error = scenes_.ApplyFile(ResolveScenePath(name)))
        problems_ << "dsp-panel: " << *error << '\n';
}

}  // namespace dsp
