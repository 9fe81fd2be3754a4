// The window's behaviour end to end: start-up, the parameter handlers with
// their frames on a pseudo-terminal, connecting, and the stored language.

#include <sys/stat.h>

#include "controls/label.h"
#include "skin/skin_data.h"
#include "skin/skin_frame.h"
#include "tests/support/control_picture.h"
#include "tests/support/form1_fixture.h"

namespace dsp::test {
namespace {

std::string Text(TControl* control) { return control->Text(); }

ino_t FileId(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(Form1Test, FirstStartShowsDefaultsInEnglishAndWritesNothing) {
    Start();
    EXPECT_EQ(form_->LoadReport().events, 36);
    // Every control and skin takes its stored properties; what waits is the
    // skinned frame and the window settings that belong to the host's frame.
    for (const std::string& unapplied : form_->LoadReport().unapplied) {
        const std::string object = unapplied.substr(0, unapplied.find('.'));
        const bool pending = object == "Form1" || object == "bsSkinForm1";
        EXPECT_TRUE(pending) << unapplied;
    }
    EXPECT_TRUE(NothingWritten());
    TbsSkinNumericEdit* readouts[] = {
        form_->bsSkinNumericEdit7,  form_->bsSkinNumericEdit9,  form_->bsSkinNumericEdit10,
        form_->bsSkinNumericEdit11, form_->bsSkinNumericEdit12, form_->bsSkinNumericEdit18,
        form_->bsSkinNumericEdit1,  form_->bsSkinNumericEdit3,  form_->bsSkinNumericEdit4,
        form_->bsSkinNumericEdit5,  form_->bsSkinNumericEdit6,  form_->bsSkinNumericEdit14,
        form_->bsSkinNumericEdit15, form_->bsSkinNumericEdit16, form_->bsSkinNumericEdit2,
        form_->bsSkinNumericEdit13};
    std::string shown;
    for (TbsSkinNumericEdit* readout : readouts) shown += Text(readout) + " ";
    EXPECT_EQ(shown, "170 48 38 16 5 20 20 20 0 0 0 0 0 0 20 20 ");
    EXPECT_EQ(form_->bsSkinComboBox1->Text(), "COM1");
    EXPECT_EQ(form_->bsSkinComboBox6->Text(), "0");
    EXPECT_EQ(form_->bsSkinComboBox7->Text(), "0");
    // First run: nothing stored counts as English, and "english" is then
    // selected, which stores 1 and relabels with the change column.
    EXPECT_EQ(StoredLanguage(), 1);
    EXPECT_EQ(form_->bsSkinComboBox8->Text(), "english");
    EXPECT_EQ(Text(Control("bsSkinStdLabel2")), "CENTER");
    EXPECT_EQ(Text(Control("bsSkinStdLabel8")), "KEY");
    EXPECT_EQ(form_->Caption(), "Digital Effect Processor");
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "status: disconnect");
    EXPECT_EQ(Text(form_->bsSkinButton1), "connect");
    EXPECT_FALSE(form_->bsSkinTrackBar12->Enabled());
    EXPECT_FALSE(form_->bsSkinSlider6->Enabled());
    EXPECT_FALSE(form_->bsSkinButton6->Enabled());
    EXPECT_TRUE(form_->bsSkinComboBox1->Enabled());
    EXPECT_TRUE(form_->bsSkinButton2->Enabled());
}

// Which skin data object and section each control draws from.
std::string SkinOf(TComponent* component) {
    auto* linked = dynamic_cast<SkinLinked*>(component);
    if (!linked || !linked->SkinData()) return "-";
    return linked->SkinData()->Name() + ":" + linked->SkinDataName() + ":" +
           (linked->SkinIndex() >= 0 ? "found" : "missing");
}

TEST_F(Form1Test, TheEmbeddedSkinsReachEveryControlAndTheBackground) {
    Start();
    for (const char* name : {"bsSkinData1", "bsSkinData2", "bsSkinData3"}) {
        auto* data = dynamic_cast<TbsSkinData*>(form_->FindComponent(name));
        ASSERT_NE(data, nullptr) << name;
        EXPECT_FALSE(data->Empty()) << name;
        EXPECT_EQ(data->Owner(), form_);
    }
    for (TbsSkinTrackBar* bar :
         {form_->bsSkinTrackBar1, form_->bsSkinTrackBar2, form_->bsSkinTrackBar3, form_->bsSkinTrackBar4,
          form_->bsSkinTrackBar5, form_->bsSkinTrackBar6, form_->bsSkinTrackBar7, form_->bsSkinTrackBar8,
          form_->bsSkinTrackBar9, form_->bsSkinTrackBar10, form_->bsSkinTrackBar12})
        EXPECT_EQ(SkinOf(bar), "bsSkinData2:trackbar:found") << bar->Name();
    for (TbsSkinSlider* slider : {form_->bsSkinSlider1, form_->bsSkinSlider2, form_->bsSkinSlider3,
                                  form_->bsSkinSlider5, form_->bsSkinSlider6})
        EXPECT_EQ(SkinOf(slider), "bsSkinData1:slider:found") << slider->Name();
    EXPECT_EQ(SkinOf(Control("bsSkinGroupBox2")), "bsSkinData1:groupbox:found");
    EXPECT_EQ(SkinOf(Control("bsSkinPanel2")), "bsSkinData2:panel:found");
    EXPECT_EQ(SkinOf(form_->bsSkinButton6), "bsSkinData3:button:found");
    EXPECT_EQ(SkinOf(form_->bsSkinComboBox8), "bsSkinData1:statuscombobox:found");
    EXPECT_EQ(SkinOf(Control("bsSkinStdLabel9")), "bsSkinData1:stdlabel:found");
    EXPECT_EQ(SkinOf(Control("bsSkinBevel1")), "bsSkinData1:bevel:found");
    EXPECT_EQ(SkinOf(Control("bsSkinBevel5")), "-");
    // The sections fit the stored sizes: the skins change no control's size
    // (a track bar takes its section after its name and bounds).
    EXPECT_EQ(form_->bsSkinTrackBar12->BoundsRect(), Rect::FromOriginSize(34, 47, 20, 112));
    EXPECT_EQ(form_->bsSkinTrackBar2->BoundsRect(), Rect::FromOriginSize(608, 41, 20, 118));
    EXPECT_EQ(form_->bsSkinButton1->BoundsRect(), Rect::FromOriginSize(4, 31, 82, 25));
    EXPECT_EQ(form_->bsSkinSpinEdit5->BoundsRect(), Rect::FromOriginSize(76, 158, 120, 20));
    EXPECT_EQ(form_->bsSkinComboBox8->BoundsRect(), Rect::FromOriginSize(568, 0, 120, 21));

    // bsSkinFrame1 paints the client background from skin 1: the gap
    // between the first two group boxes shows it.
    auto* skin1 = dynamic_cast<TbsSkinData*>(form_->FindComponent("bsSkinData1"));
    Bitmap expected(form_->ClientWidth(), form_->ClientHeight());
    Canvas canvas(expected);
    TbsSkinFrame::PaintBackground(canvas, form_->ClientRect(), skin1);
    // The window around it has the skinned frame: the client area starts
    // inside its margins.
    const Bitmap shown = WindowPicture(*form_);
    const Point client = form_->ClientRectInWindow().TopLeft();
    EXPECT_EQ(shown.GetPixel(client.x + 221, client.y + 120), expected.GetPixel(221, 120));
    EXPECT_NE(shown.GetPixel(client.x + 221, client.y + 120), Bitmap(1, 1, clBtnFace).GetPixel(0, 0));
}

TEST_F(Form1Test, StoredLanguageIsRestored) {
    StoreLanguage(0);
    const ino_t before = FileId(registryFile_);
    Start();
    EXPECT_EQ(FileId(registryFile_), before);  // not rewritten
    EXPECT_EQ(StoredLanguage(), 0);
    EXPECT_EQ(Text(Control("bsSkinStdLabel2")), "中置通道：");
    EXPECT_EQ(Text(Control("bsSkinGroupBox3")), "话筒系统");
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "状态: 未连接");
    EXPECT_EQ(form_->Caption(), "专业DSP前级效果器");
}

TEST_F(Form1Test, StoredEnglishUsesTheActivationColumn) {
    StoreLanguage(1);
    Start();
    EXPECT_EQ(Text(Control("bsSkinStdLabel2")), "CENTER:");
    EXPECT_EQ(Text(Control("bsSkinStdLabel8")), "KEY:");
    EXPECT_EQ(StoredLanguage(), 1);
}

// No caption runs under the control beside it, in either language, and the
// labels keep their places ("MUSIC VOL MAX:" is wider than its room at the
// layout's size).
TEST_F(Form1Test, EveryLabelEndsBeforeTheControlBesideIt) {
    StoreLanguage(1);
    Start();
    auto* music = dynamic_cast<TbsSkinStdLabel*>(Control("bsSkinStdLabel5"));
    ASSERT_NE(music, nullptr);
    auto clear = [&] {
        EXPECT_EQ(music->Left(), 3);
        EXPECT_EQ(music->Top(), 130);
        EXPECT_LE(music->Left() + music->Width(), form_->bsSkinSpinEdit3->Left()) << Text(music);
        for (TControl* label : {Control("bsSkinStdLabel6"), Control("bsSkinStdLabel9")}) {
            const TControl* next =
                label->Parent()->ControlAtPos({label->Left() + label->Width() - 1, label->Top() + 6});
            EXPECT_EQ(next, label) << label->Name() << " " << Text(label);
        }
    };
    clear();
    Pick(form_->bsSkinComboBox8, 0);
    clear();
    EXPECT_EQ(music->Font().Height(), -11);  // the Chinese caption fits at the layout's size
    Pick(form_->bsSkinComboBox8, 1);
    clear();
}

TEST_F(Form1Test, AnyOtherStoredValueBecomesEnglishAndStoresOne) {
    StoreLanguage(7);
    Start();
    EXPECT_EQ(form_->bsSkinComboBox8->ItemIndex(), 1);
    EXPECT_EQ(Text(Control("bsSkinStdLabel27")), "MAIN");
    EXPECT_EQ(StoredLanguage(), 1);
}

TEST_F(Form1Test, WrongTypedLanguageReportsAndSkipsTheRestOfActivation) {
    {
        TRegistry store(registryFile_);
        ASSERT_TRUE(store.OpenKey("\\Software\\tolmy\\audio", true));
        store.WriteString("Language", "1");  // a string that fits in four bytes
    }
    Start();
    ASSERT_EQ(host_->MessageBoxes().size(), 1u);
    EXPECT_EQ(host_->MessageBoxes()[0].text, "Invalid data type for 'Language'");
    // The box stands in the middle of the window, and the window is painted
    // around it while it waits.
    const Rect box = host_->MessageBoxes()[0].bounds;
    const Rect window = form_->BoundsRect();
    EXPECT_LE(std::abs((box.left + box.right) - (window.left + window.right)), 2);
    EXPECT_LE(std::abs((box.top + box.bottom) - (window.top + window.bottom)), 2);
    const Bitmap& seen = host_->LastMessageBoxScreen();
    const Point beside{window.left + 40, (window.top + window.bottom) / 2};
    ASSERT_FALSE(box.Contains(beside));
    EXPECT_NE(seen.GetPixel(beside.x, beside.y), clBlack);
    // The combo boxes were set before the language; nothing after it ran.
    EXPECT_EQ(form_->bsSkinComboBox1->Text(), "COM1");
    EXPECT_EQ(form_->bsSkinTrackBar12->Value(), 50);
    EXPECT_EQ(Text(form_->bsSkinNumericEdit18), "0");
    EXPECT_EQ(Text(Control("bsSkinStdLabel2")), "中置通道：");
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "bsSkinStatusPanel1");
    EXPECT_TRUE(form_->bsSkinTrackBar12->Enabled());
}

// A settings file we must leave alone costs one line on the diagnostics
// stream, not one per change, and the window goes on in English.
TEST_F(Form1Test, UnusableSettingsFileIsReportedOnceAndLeftAlone) {
    ASSERT_EQ(::mkfifo(registryFile_.c_str(), 0600), 0);
    Start();
    Pick(form_->bsSkinComboBox8, 0);
    Pick(form_->bsSkinComboBox8, 1);
    const std::string said = diagnostics_.str();
    EXPECT_EQ(said, "dsp-panel: settings file " + registryFile_ +
                        " is not a regular file; settings are not read or saved\n");
    EXPECT_TRUE(host_->MessageBoxes().empty());
    EXPECT_EQ(form_->bsSkinComboBox8->Text(), "english");
    EXPECT_EQ(Text(Control("bsSkinStdLabel2")), "CENTER");
    struct stat info {};
    ASSERT_EQ(::stat(registryFile_.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    std::remove(registryFile_.c_str());
}

TEST_F(Form1Test, ConnectingEnablesBothGroupsAndDisconnectingDisablesThem) {
    Start();
    Connect();
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "status: connect");
    EXPECT_EQ(Text(form_->bsSkinButton1), "disconnect");
    EXPECT_FALSE(form_->bsSkinComboBox1->Enabled());
    for (TControl* c : {(TControl*)form_->bsSkinTrackBar1, (TControl*)form_->bsSkinSpinEdit5,
                        (TControl*)form_->bsSkinComboBox7, (TControl*)form_->bsSkinSlider6,
                        (TControl*)form_->bsSkinButton4, (TControl*)form_->bsSkinButton11})
        EXPECT_TRUE(c->Enabled()) << c->Name();
    EXPECT_TRUE(NothingWritten());  // connecting tells the unit nothing
    ClickOn(form_->bsSkinButton6);
    ClickOn(form_->bsSkinButton1);
    EXPECT_FALSE(form_->ComPort1.Connected());
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "status: disconnect");
    EXPECT_TRUE(form_->bsSkinComboBox1->Enabled());
    for (TControl* c : {(TControl*)form_->bsSkinTrackBar12, (TControl*)form_->bsSkinButton5,
                        (TControl*)form_->bsSkinButton6, (TControl*)form_->bsSkinButton9})
        EXPECT_FALSE(c->Enabled()) << c->Name();
}

TEST_F(Form1Test, ConnectingToAMissingPortChangesNothingButTheStatus) {
    Start();
    Pick(form_->bsSkinComboBox1, 1);  // COM2
    ClickOn(form_->bsSkinButton1);
    EXPECT_FALSE(form_->ComPort1.Connected());
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "status: connect error");
    EXPECT_EQ(Text(form_->bsSkinButton1), "connect");
    EXPECT_FALSE(form_->bsSkinTrackBar1->Enabled());
    EXPECT_TRUE(form_->bsSkinComboBox1->Enabled());
    EXPECT_EQ(diagnostics_.str(), "dsp-panel: COM2 (/nonexistent/dsp-panel-test-tty): no such device\n");
    Pick(form_->bsSkinComboBox8, 0);
    ClickOn(form_->bsSkinButton1);
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "状态: 连接出错");
}

TEST_F(Form1Test, ConnectingWithAnEmptyPortNameSaysNoPortWasChosen) {
    Start();
    form_->bsSkinComboBox1->SetItemIndex(9);  // the first of the two empty items
    ClickOn(form_->bsSkinButton1);
    EXPECT_FALSE(form_->ComPort1.Connected());
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "status: connect error");
    EXPECT_EQ(diagnostics_.str(), "dsp-panel: no port chosen\n");
}

TEST_F(Form1Test, ClosedPortWritesNothingAndKeepsReadouts) {
    Start();
    form_->bsSkinTrackBar4->SetValue(0);
    form_->bsSkinSlider1->SetValue(128);
    ClickOn(form_->bsSkinButton2);  // "load" stays enabled but does nothing
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(Text(form_->bsSkinNumericEdit4), "0");
    EXPECT_EQ(Text(form_->bsSkinNumericEdit7), "170");
}

TEST_F(Form1Test, ParameterChangesSendTheirFramesAndReadouts) {
    Start();
    Connect();
    form_->bsSkinTrackBar5->SetValue(0);  // music "MID"
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x0A, 0x00, 0xA0}));
    EXPECT_EQ(Text(form_->bsSkinNumericEdit5), "-10");
    form_->bsSkinSlider1->SetValue(128);  // "DELAY:": the marker value goes as it is
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x00, 0x80, 0xA0}));
    EXPECT_EQ(Text(form_->bsSkinNumericEdit7), "128");
    form_->bsSkinSpinEdit5->SetValue(160);
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x10, 0xA0, 0xA0}));
    form_->bsSkinSpinEdit1->SetValue(3);
    ClickOn(form_->bsSkinButton2);
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x30, 0x03, 0xA0}));
    Pick(form_->bsSkinComboBox7, 0);  // "KEY:" b-5
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x1B, 0x00, 0xA0}));
    Pick(form_->bsSkinComboBox7, 0);  // picking the shown item sends again
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x1B, 0x00, 0xA0}));
    EXPECT_TRUE(NothingWritten());
}

TEST_F(Form1Test, ClampedVolumeWritesItsFrameTwice) {
    Start();
    Connect();
    form_->bsSkinTrackBar12->SetValue(55);  // "MUSIC VOL MAX:" stands at 50
    EXPECT_EQ(Written(8), Frames({{0x80, 0x13, 0x32, 0xA0}, {0x80, 0x13, 0x32, 0xA0}}));
    EXPECT_EQ(form_->bsSkinTrackBar12->Value(), 50);
    EXPECT_EQ(Text(form_->bsSkinNumericEdit18), "50");
    EXPECT_TRUE(NothingWritten());
    form_->bsSkinTrackBar12->SetValue(49);
    form_->bsSkinTrackBar12->SetValue(50);  // exactly the ceiling: once
    EXPECT_EQ(Written(8), Frames({{0x80, 0x13, 0x31, 0xA0}, {0x80, 0x13, 0x32, 0xA0}}));
    EXPECT_TRUE(NothingWritten());
}

TEST_F(Form1Test, LoweringACeilingSendsOnlyTheCeiling) {
    Start();
    Connect();
    form_->bsSkinTrackBar2->SetValue(35);
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x14, 0x23, 0xA0}));
    form_->bsSkinSpinEdit4->SetValue(30);
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x21, 0x1E, 0xA0}));
    EXPECT_TRUE(NothingWritten());
    EXPECT_EQ(form_->bsSkinTrackBar2->Value(), 35);
    EXPECT_EQ(Text(form_->bsSkinNumericEdit2), "35");
}

TEST_F(Form1Test, SelectorButtonsMarkTheChoiceWithinTheirGroup) {
    Start();
    Connect();
    ClickOn(form_->bsSkinButton6);  // "VCR"
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x1A, 0x01, 0xA0}));
    EXPECT_FALSE(form_->bsSkinButton6->Enabled());
    for (TControl* c :
         {form_->bsSkinButton4, form_->bsSkinButton5, form_->bsSkinButton7, form_->bsSkinButton8,
          form_->bsSkinButton9, form_->bsSkinButton10, form_->bsSkinButton11})
        EXPECT_TRUE(c->Enabled()) << c->Name();
    ClickOn(form_->bsSkinButton4);  // "AUTO" sends 4
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x1A, 0x04, 0xA0}));
    EXPECT_TRUE(form_->bsSkinButton6->Enabled());
    ClickOn(form_->bsSkinButton11);
    EXPECT_EQ(Written(4), (Bytes{0x80, 0x0E, 0x02, 0xA0}));
    EXPECT_FALSE(form_->bsSkinButton4->Enabled());  // the groups are independent
    EXPECT_FALSE(form_->bsSkinButton11->Enabled());
}

// A hover morph repaints only the selector, straight into the window's
// picture, with its caption laid out once: after every step, entering and
// leaving, the picture is the one a repaint of the whole window gives.
TEST_F(Form1Test, HoverStepsPaintTheWindowAsAFullRepaintDoes) {
    Start();
    Connect();
    TbsSkinButton* selector = form_->bsSkinButton6;
    int blends = 0;
    for (Point at : {Point{10, 10}, Point{-300, -300}}) {
        MoveTo(selector, at.x, at.y);
        for (int step = 0; step < 6; ++step) {
            Advance(20);
            blends += selector->Morph().Blending() ? 1 : 0;
            ASSERT_TRUE(form_->Frame() == WindowPicture(*form_)) << at.x << " " << step;
        }
    }
    EXPECT_EQ(blends, 8);  // four mixed pictures each way, each checked
}

TEST_F(Form1Test, LanguageBoxRelabelsWithTheConnectionState) {
    Start();
    Connect();
    Pick(form_->bsSkinComboBox8, 0);
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "状态: 已连接");
    EXPECT_EQ(Text(form_->bsSkinButton1), "断开");
    EXPECT_EQ(StoredLanguage(), 0);
    Pick(form_->bsSkinComboBox8, 1);
    EXPECT_EQ(Text(form_->bsSkinStatusPanel1), "status: connected");
    EXPECT_EQ(Text(form_->bsSkinButton1), "disconnect");
    EXPECT_EQ(StoredLanguage(), 1);
    const ino_t before = FileId(registryFile_);
    Pick(form_->bsSkinComboBox8, 1);  // the shown item: nothing changes, nothing is written
    EXPECT_EQ(FileId(registryFile_), before);
    EXPECT_TRUE(NothingWritten());
}

}  // namespace
}  // namespace dsp::test
