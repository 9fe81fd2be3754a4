// Scenes in the running window: applies move the controls, so the frames on
// the line are the handlers' own; undo, A/B, the last state, restore, resync
// after a reconnect and the unit's memories.

#include "main/scene/panel_scenes.h"

#include <filesystem>
#include <fstream>

#include "main/app/headless_driver.h"
#include "main/protocol/frame.h"
#include "main/scene/scene_name_dialog.h"
#include "main/scene/scene_text.h"
#include "main/scene/scenes_menu.h"
#include "platform/serialdev/routed_device_factory.h"
#include "skin/form/skin_form.h"
#include "skin/form/skin_popup_menu.h"
#include "tests/support/form1_fixture.h"

namespace dsp {
namespace {

using test::Bytes;

const CommandRow& Row(std::string_view name) { return *FindParameterName(name); }

Bytes Frames(std::initializer_list<std::pair<const char*, int>> frames) {
    Bytes bytes;
    for (auto [name, value] : frames)
        for (std::uint8_t b : BuildFrame(Row(name).code, value)) bytes.push_back(b);
    return bytes;
}

class PanelScenesTest : public test::Form1Test {
  protected:
    ~PanelScenesTest() override { scenes_.reset(); }

    // COM1 leads through a symbolic link, so the "same" device can come back
    // as another pseudo-terminal.
    void StartScenes(bool reconnect = false, bool followMemories = false) {
        link_ = dir_ / "com1.tty";
        std::filesystem::create_symlink(pty_.SlavePath(), link_);
        TForm1::Options options;
        options.registryFile = registryFile_;
        options.reconnect = reconnect;
        options.diagnostics = &diagnostics_;
        PortMap map;
        map.Set("COM1", link_);
        options.deviceFactory = RoutedDeviceFactory(map);
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        Process();
        scenes_ = std::make_unique<PanelScenes>(
            form_->Parameters(), form_->Changes(),
            PanelScenes::Options{
                .folder = folder_, .followMemories = followMemories, .diagnostics = &diagnostics_});
    }
    Scene Read(const std::string& text) { return *ReadSceneText("# dsp-panel scene 1\n" + text).scene; }
    std::optional<int> Value(const char* name) { return form_->Parameters().Value(Row(name)); }

    std::string folder_ = dir_ / "config";
    std::string link_;
    std::unique_ptr<PanelScenes> scenes_;
};

TEST_F(PanelScenesTest, AnApplySendsTheHandlersFramesInTheSafeOrder) {
    StartScenes();
    Connect();
    scenes_->Apply(Read("MAIN-VOL = 31\nINPUT = DVD\nECHO = 20\n"));
    EXPECT_EQ(Written(16), Frames({{"MAIN-VOL", 0}, {"INPUT", 2}, {"ECHO", 20}, {"MAIN-VOL", 31}}));
    EXPECT_EQ(form_->bsSkinNumericEdit18->Text(), "31");
    EXPECT_FALSE(form_->bsSkinButton7->Enabled());  // DVD marked as the choice

    // A value the control already holds still goes out; a volume above the
    // window's own ceiling is clamped by its handler, which sends it twice.
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ + "/scene.conf") << "safe = KEY\n";
    std::ofstream(dir_ / "b.scene") << "# dsp-panel scene 1\nECHO = 20\nAUX-VOL = 60\nKEY = b-5\n";
    form_->bsSkinSpinEdit3->SetValue(50);
    ASSERT_EQ(Written(4), Frames({{"MUSIC-VOL-MAX", 50}}));
    form_->bsSkinTrackBar1->SetValue(55);
    ASSERT_EQ(Written(4), Frames({{"AUX-VOL", 55}}));
    form_->bsSkinTrackBar12->SetValue(60);
    ASSERT_EQ(Written(8), Frames({{"MAIN-VOL", 50}, {"MAIN-VOL", 50}}));
    std::ofstream(dir_ / "c.scene") << "# dsp-panel scene 1\nMAIN-VOL = 60\n";
    EXPECT_EQ(scenes_->ApplyFile(dir_ / "b.scene"), std::nullopt);
    EXPECT_EQ(Written(12), Frames({{"AUX-VOL", 0}, {"ECHO", 20}, {"AUX-VOL", 60}}));
    EXPECT_EQ(scenes_->ApplyFile(dir_ / "c.scene"), std::nullopt);
    EXPECT_EQ(Written(12), Frames({{"MAIN-VOL", 0}, {"MAIN-VOL", 50}, {"MAIN-VOL", 50}}));
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(Value("KEY"), 5);
}

TEST_F(PanelScenesTest, UndoAndABFlipBetweenTheStateBeforeAndTheScene) {
    StartScenes();
    Connect();
    ClickOn(form_->bsSkinButton6);  // VCR
    Written(4);
    EXPECT_FALSE(scenes_->Undo());
    EXPECT_FALSE(scenes_->Flip());
    const Scene before = scenes_->Current();
    const Scene scene = Read("MAIN-VOL = 31\nINPUT = DVD\nECHO = 20\n");
    scenes_->Apply(scene);
    Written(16);
    EXPECT_TRUE(scenes_->Undo());
    EXPECT_EQ(scenes_->Current(), before);
    const Bytes undo = Written(4 * 29);  // every setting of the state, and the volumes dipped first
    EXPECT_EQ(Bytes(undo.begin(), undo.begin() + 4), Frames({{"SW-VOL", 0}}));
    EXPECT_EQ(Bytes(undo.end() - 4, undo.end()), Frames({{"EFF-VOL", 20}}));
    EXPECT_FALSE(scenes_->Undo());

    form_->bsSkinSlider3->SetValue(70);  // a change of the operator's own: side A
    Written(4);
    EXPECT_TRUE(scenes_->Flip());
    Written(16);
    EXPECT_EQ(Value("ECHO"), 20);
    EXPECT_EQ(Value("INPUT"), 2);
    EXPECT_TRUE(scenes_->Flip());
    EXPECT_EQ(Value("ECHO"), 70);
    EXPECT_EQ(Value("INPUT"), 1);
    EXPECT_EQ(Value("MAIN-VOL"), 20);
}

// Changes reach last.scene a quarter second after the first of them, however
// many follow; leaving writes what is still waiting.
TEST_F(PanelScenesTest, TheLastStateIsWrittenAtMostFourTimesASecond) {
    StartScenes();
    const std::string last = scenes_->LastStatePath();
    auto mainVol = [&] { return LoadSceneFile(last).scene->Value(Row("MAIN-VOL")); };
    form_->bsSkinTrackBar12->SetValue(30);
    Advance(200);
    form_->bsSkinTrackBar12->SetValue(31);
    EXPECT_FALSE(std::filesystem::exists(last));
    Advance(50);
    EXPECT_EQ(mainVol(), 31);
    for (int v = 32; v < 40; ++v) {
        form_->bsSkinTrackBar12->SetValue(v);
        Advance(100);
        EXPECT_EQ(mainVol(), 31 + 3 * ((v - 31) / 3)) << v;
    }
    scenes_.reset();
    EXPECT_EQ(mainVol(), 39);
}

TEST_F(PanelScenesTest, RestoreAndFollowedMemoriesMoveTheControlsWithoutAFrame) {
    StartScenes(false, true);
    Connect();
    ASSERT_EQ(SaveSceneFile(scenes_->LastStatePath(), Read("MAIN-VOL = 44\nKEY = #+1\nINPUT = TV\n")), 0);
    EXPECT_TRUE(scenes_->Restore());
    EXPECT_EQ(Value("MAIN-VOL"), 44);
    EXPECT_EQ(form_->bsSkinNumericEdit18->Text(), "44");
    EXPECT_EQ(Value("KEY"), 6);
    EXPECT_EQ(Value("INPUT"), 3);
    EXPECT_TRUE(NothingWritten());

    form_->bsSkinSpinEdit2->SetValue(4);
    ClickOn(form_->bsSkinButton3);  // save 4
    EXPECT_EQ(Written(4), Frames({{"SAVE", 4}}));
    EXPECT_EQ(LoadSceneFile(scenes_->MemoryPath(4)).scene, scenes_->Current());
    form_->bsSkinTrackBar12->SetValue(10);
    Written(4);
    form_->bsSkinSpinEdit1->SetValue(4);
    ClickOn(form_->bsSkinButton2);  // load 4: the unit restores itself
    EXPECT_EQ(Written(4), Frames({{"LOAD", 4}}));
    EXPECT_EQ(Value("MAIN-VOL"), 44);
    EXPECT_TRUE(NothingWritten());

    form_->bsSkinSpinEdit1->SetValue(5);
    ClickOn(form_->bsSkinButton2);
    EXPECT_EQ(Written(4), Frames({{"LOAD", 5}}));
    EXPECT_EQ(Value("MAIN-VOL"), 44);
    EXPECT_NE(diagnostics_.str().find("dsp-panel: memory 5 has no record here"), std::string::npos);
}

TEST_F(PanelScenesTest, ResyncSendsTheWholeStateAfterEveryConnectAndReconnect) {
    StartScenes(true);
    scenes_->WatchConnects(form_->ComPort1);
    Connect();
    Process();
    const Bytes first = Written(4 * 28);  // no input or auxiliary choice is known yet
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 4), Frames({{"SW-VOL", 0}}));
    EXPECT_EQ(Bytes(first.end() - 4, first.end()), Frames({{"EFF-VOL", 20}}));
    EXPECT_TRUE(NothingWritten());
    ClickOn(form_->bsSkinButton8);  // TV
    Written(4);

    pty_.Unplug();
    form_->bsSkinTrackBar12->SetValue(33);  // the write fails: the link is away
    ASSERT_TRUE(form_->LinkAway());
    PtyPair replugged;
    ASSERT_EQ(replugged.Create(), 0);
    std::filesystem::remove(link_);
    std::filesystem::create_symlink(replugged.SlavePath(), link_);
    Advance(1000);
    ASSERT_TRUE(form_->ComPort1.Connected());
    Process();
    const Bytes again = test::ReadBytes(replugged.MasterFd(), 4 * 29);
    ASSERT_EQ(again.size(), 4u * 29);  // now with the input choice
    const Bytes mainVol = Frames({{"MAIN-VOL", 33}});
    EXPECT_NE(std::search(again.end() - 20, again.end(), mainVol.begin(), mainVol.end()), again.end());
    const Bytes tv = Frames({{"INPUT", 3}});
    EXPECT_NE(std::search(again.begin(), again.end(), tv.begin(), tv.end()), again.end());
}

TEST_F(PanelScenesTest, TheHeadlessSceneCommand) {
    StartScenes();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    auto answer = [&](const std::string& line) {
        std::ostringstream out;
        driver.Execute(line, out);
        return out.str();
    };
    EXPECT_EQ(answer("scene undo"), "error: scenes are not kept in this session\n");
    driver.SetScenes(scenes_.get());
    std::ofstream(dir_ / "bad.scene") << "# dsp-panel scene 1\nMAIN-VOL = 99\n";
    EXPECT_EQ(answer("scene apply " + dir_ / "bad.scene"),
              "error: " + dir_ / "bad.scene" + ":2: MAIN-VOL = \"99\": out of range 0..63\n");
    EXPECT_EQ(answer("scene undo"), "error: no scene apply to undo\n");
    EXPECT_EQ(answer("scene ab"), "error: no scene applied yet\n");
    EXPECT_EQ(answer("scene save " + dir_ / "s.scene"), "ok\n");
    EXPECT_EQ(answer("set MAIN-VOL 9"), "ok\n");
    EXPECT_EQ(answer("scene apply " + dir_ / "s.scene"), "ok\n");
    EXPECT_EQ(Value("MAIN-VOL"), 20);
    EXPECT_EQ(answer("scene undo"), "ok\n");
    EXPECT_EQ(Value("MAIN-VOL"), 9);
    EXPECT_EQ(answer("scene fly"), "error: expected save PATH, apply PATH, undo or ab\n");
}

// The system menu's "Scenes" opens the scenes pop-up; saving asks the name in
// the skinned dialog, and the saved scene is then offered to apply.
TEST_F(PanelScenesTest, TheSystemMenuOffersSavingApplyingUndoAndAB) {
    setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    StartScenes();
    ScenesMenu menu(*form_, *scenes_, diagnostics_);
    auto* frame = dynamic_cast<TbsSkinForm*>(form_->FindComponent("bsSkinForm1"));
    ASSERT_NE(frame, nullptr);
    auto choose = [&](TbsSkinPopupMenu& popup, const std::string& caption) {
        for (const TbsMenuItem& item : popup.Items())
            if (item.caption == caption) {
                EXPECT_TRUE(item.enabled) << caption;
                popup.CloseMenu(item.onClick);
                Process();
                return;
            }
        ADD_FAILURE() << "no menu item " << caption;
    };
    auto captions = [&] {
        std::string all;
        for (const TbsMenuItem& item : menu.Submenu()->Items())
            all += item.caption + (item.enabled ? "" : "(off)") + "|";
        return all;
    };
    frame->OpenSystemMenu(form_->ClientToScreen({10, 10}));
    choose(*frame->SystemMenu(), "Scenes");
    ASSERT_NE(menu.Submenu(), nullptr);
    EXPECT_TRUE(menu.Submenu()->Visible());
    EXPECT_EQ(captions(), "Save scene...|-|Undo scene(off)|A/B compare(off)|");

    choose(*menu.Submenu(), "Save scene...");
    ASSERT_TRUE(menu.Dialog() && menu.Dialog()->Open());
    EXPECT_EQ(app_->FocusedControl(), menu.Dialog()->Edit());
    host_->Type("band");
    Process();
    Key(kVkReturn);
    EXPECT_FALSE(menu.Dialog()->Open());
    SceneLoad saved = LoadSceneFile(folder_ + "/dsp-panel/scenes/band.scene");
    ASSERT_TRUE(saved.scene) << saved.error.Message();
    EXPECT_EQ(saved.scene->Name(), "band");
    EXPECT_EQ(saved.scene->Value(Row("MAIN-VOL")), 20);

    form_->bsSkinTrackBar12->SetValue(5);
    menu.OpenSubmenu({0, 0});
    EXPECT_EQ(captions(), "Save scene...|-|band|-|Undo scene(off)|A/B compare(off)|");
    choose(*menu.Submenu(), "band");
    EXPECT_EQ(Value("MAIN-VOL"), 20);
    menu.OpenSubmenu({0, 0});
    choose(*menu.Submenu(), "Undo scene");
    EXPECT_EQ(Value("MAIN-VOL"), 5);
    menu.OpenSubmenu({0, 0});
    choose(*menu.Submenu(), "A/B compare");
    EXPECT_EQ(Value("MAIN-VOL"), 20);
    unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace dsp
