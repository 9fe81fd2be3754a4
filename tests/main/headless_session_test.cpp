// A scripted headless session: the frames it puts on the line are checked
// against a golden file, and the driver's answers against the script.

#include <algorithm>
#include <fstream>
#include <sstream>

#include "main/app/headless_driver.h"
#include "main/protocol/frame.h"
#include "skin/form/skin_form.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/golden.h"

namespace dsp::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class HeadlessSessionTest : public Form1Test {};

TEST_F(HeadlessSessionTest, ScriptedSessionWritesTheGoldenFrames) {
    Start();
    // Frames are collected after each command, once the line is quiet: the
    // disconnect at the end purges whatever the pty has not handed on yet.
    std::ostringstream frames;
    auto collect = [&] {
        for (Bytes bytes = ReadBytes(pty_.MasterFd(), 4, std::chrono::milliseconds(60)); !bytes.empty();
             bytes = ReadBytes(pty_.MasterFd(), 4, std::chrono::milliseconds(60))) {
            ASSERT_EQ(bytes.size(), 4u);
            frames << FrameToHex({bytes[0], bytes[1], bytes[2], bytes[3]}) << "\n";
        }
    };
    std::istringstream script(ReadFile(DSP_TEST_DATA "/golden/session.txt"));
    std::ostringstream answers;
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::string line;
    while (std::getline(script, line) && driver.Execute(line, answers)) collect();
    for (const auto& box : host_->MessageBoxes()) ADD_FAILURE() << "message box: " << box.text;
    EXPECT_TRUE(MatchesGoldenText(frames.str(), DSP_TEST_DATA "/golden/session.frames"));

    const std::string out = answers.str();
    EXPECT_EQ(out.find("error"), std::string::npos) << out;
    EXPECT_NE(out.find("bsSkinButton6 TbsSkinButton enabled=0"), std::string::npos) << out;
    EXPECT_NE(out.find("bsSkinComboBox7 TbsSkinComboBox enabled=1 visible=1 index=8 text=\"#+3\""),
              std::string::npos);
    EXPECT_NE(out.find("bsSkinNumericEdit18 TbsSkinNumericEdit enabled=1 visible=1 text=\"34\""),
              std::string::npos);
    EXPECT_NE(out.find("status text=\"status: connect\""), std::string::npos);
    EXPECT_FALSE(form_->ComPort1.Connected());
}

// The driver's points are client points: rolled up, the client area is
// empty but stays where the frame puts it, so the caption buttons are where
// they were.
TEST_F(HeadlessSessionTest, RolledUpTheCaptionButtonsStillTakeThePointer) {
    Start();
    auto* frame = dynamic_cast<TbsSkinForm*>(form_->FindComponent("bsSkinForm1"));
    ASSERT_NE(frame, nullptr);
    auto middle = [&](const char* name) {
        const Rect r = frame->FindObject(name)->ObjectRect();
        const Point p =
            Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2} - form_->ClientRectInWindow().TopLeft();
        return std::to_string(p.x) + " " + std::to_string(p.y);
    };
    const std::string rollUp = middle("rollupbutton"), close = middle("closebutton");
    const int height = form_->Height();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::ostringstream out;
    driver.Execute("click " + rollUp, out);
    ASSERT_TRUE(frame->RollUpState());
    driver.Execute("move " + close, out);
    EXPECT_TRUE(frame->FindObject("closebutton")->Active);
    driver.Execute("click " + rollUp, out);
    EXPECT_FALSE(frame->RollUpState());
    EXPECT_EQ(form_->Height(), height);
    EXPECT_EQ(out.str(), "ok\nok\nok\n");
}

TEST_F(HeadlessSessionTest, BadCommandsAnswerWithAnErrorAndTheSessionGoesOn) {
    Start();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::ostringstream out;
    for (const char* line : {"fly 1 2", "click nowhere", "pick bsSkinButton1 0", "drag 1 2 3", "key Hyper",
                             "click bsSkinButton1"})
        EXPECT_TRUE(driver.Execute(line, out));
    EXPECT_EQ(out.str(),
              "error: unknown command fly\nerror: no control named nowhere\nerror: no combo box named "
              "bsSkinButton1\nerror: expected Y\nerror: unknown key Hyper\nok\n");
    EXPECT_TRUE(form_->ComPort1.Connected());
    EXPECT_FALSE(driver.Execute("quit", out));
}

// Numbers are bounded where a command would never answer (a billion drag
// steps), overflow (coordinates near INT_MAX) or make no sense (negative
// time); an unknown command is echoed cut, not whole.
TEST_F(HeadlessSessionTest, CommandArgumentsAreBounded) {
    Start();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    auto answer = [&](const std::string& line) {
        std::ostringstream out;
        EXPECT_TRUE(driver.Execute(line, out));
        return out.str();
    };
    EXPECT_EQ(answer("drag 10 10 20 20 1000000000"), "error: STEPS must be between 1 and 10000\n");
    EXPECT_EQ(answer("drag 10 10 20 20 0"), "error: STEPS must be between 1 and 10000\n");
    EXPECT_EQ(answer("click 2147483647 5"), "error: X must be between -100000 and 100000\n");
    EXPECT_EQ(answer("move 5 -2147483648"), "error: Y must be between -100000 and 100000\n");
    EXPECT_EQ(answer("press 99999999999 1"), "error: X must be between -100000 and 100000\n");
    EXPECT_EQ(answer("advance -1"), "error: MS must be between 0 and 600000\n");
    EXPECT_EQ(answer("wheel 5 5 2147483647"), "error: DELTA must be between -12000 and 12000\n");
    const std::string unknown = answer(std::string(1 << 20, 'z'));
    EXPECT_EQ(unknown, "error: unknown command " + std::string(40, 'z') + "...\n");
    // At the bounds the commands still run.
    EXPECT_EQ(answer("move 100000 -100000"), "ok\n");
    EXPECT_EQ(answer("drag 10 10 20 20 10000"), "ok\n");
    EXPECT_EQ(answer("advance 600000"), "ok\n");
}

// The list shows a few rows at a time: reaching the last row scrolls it
// down, and the first one after that scrolls it back up. Each pick sends
// the one frame of its row, so no click strayed onto another control.
TEST_F(HeadlessSessionTest, PickScrollsTheListEitherWayToTheRow) {
    Start();
    Connect();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::ostringstream out;
    TbsSkinComboBox* key = form_->bsSkinComboBox7;
    const int last = static_cast<int>(key->Items().size()) - 1;
    ASSERT_GT(last, key->Model().List().Rows());
    EXPECT_TRUE(driver.Execute("pick bsSkinComboBox7 " + std::to_string(last), out));
    EXPECT_EQ(key->ItemIndex(), last);
    EXPECT_TRUE(driver.Execute("pick bsSkinComboBox7 0", out));
    EXPECT_EQ(key->ItemIndex(), 0);
    EXPECT_EQ(out.str(), "ok\nok\n");
    EXPECT_EQ(Written(8),
              Frames({{0x80, 0x1B, static_cast<std::uint8_t>(last), 0xA0}, {0x80, 0x1B, 0x00, 0xA0}}));
    EXPECT_TRUE(NothingWritten());

    out.str("");
    EXPECT_TRUE(driver.Execute("pick bsSkinComboBox7 " + std::to_string(last + 1), out));
    EXPECT_EQ(out.str(), "error: no row " + std::to_string(last + 1) + "\n");
    EXPECT_FALSE(key->DroppedDown());
    EXPECT_EQ(key->ItemIndex(), 0);
}

// Every item of every option combo, picked with the mouse through its skinned
// list (scrolled where needed), sends the frame of that item and no other.
TEST_F(HeadlessSessionTest, PickingEveryOptionItemSendsItsFrame) {
    Start();
    Connect();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::ostringstream out;
    const std::pair<const char*, std::uint8_t> combos[] = {{"bsSkinComboBox3", 0x0D},
                                                           {"bsSkinComboBox5", 0x0F},
                                                           {"bsSkinComboBox6", 0x08},
                                                           {"bsSkinComboBox7", 0x1B}};
    for (const auto& [name, code] : combos) {
        auto* combo = dynamic_cast<TbsSkinComboBox*>(form_->FindComponent(name));
        ASSERT_NE(combo, nullptr);
        const int count = static_cast<int>(combo->Items().size());
        // Last to first, so the longer lists scroll both ways.
        for (int i = count - 1; i >= 0; --i) {
            ASSERT_TRUE(driver.Execute("pick " + std::string(name) + " " + std::to_string(i), out));
            EXPECT_EQ(Written(4), Frames({{0x80, code, static_cast<std::uint8_t>(i), 0xA0}}))
                << name << " " << i;
        }
    }
    EXPECT_EQ(out.str().find("error"), std::string::npos) << out.str();
    EXPECT_TRUE(NothingWritten());
}

// An open list shows in the dump on its section, with its scroll bar.
TEST_F(HeadlessSessionTest, DumpShowsTheOpenListAndItsScrollBarOnTheirSections) {
    Start();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::ostringstream out;
    ASSERT_TRUE(driver.Execute("click bsSkinComboBox1", out));
    ASSERT_TRUE(driver.Execute("dump", out));
    const std::string dump = out.str();
    EXPECT_NE(dump.find("bsSkinComboBox1.ListBox TbsSkinCustomListBox visible=1 top=0 rows=8 itemheight=18 "
                        "rowstop=2 skin=1:listbox:"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("bsSkinComboBox1.ScrollBar TbsSkinScrollBar visible=1 position=0 skin=1:vscrollbar:"),
              std::string::npos)
        << dump;
    EXPECT_EQ(dump.find(":-1\n"), std::string::npos) << "a control on no section: " << dump;
}

TEST_F(HeadlessSessionTest, HelpListsEveryCommandWithItsArgumentsInOneColumn) {
    Start();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::ostringstream out;
    EXPECT_TRUE(driver.Execute("help", out));
    std::istringstream lines(out.str());
    std::string line;
    std::size_t helpColumn = std::string::npos;
    for (const auto& command : HeadlessDriver::Commands()) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_TRUE(line.starts_with(std::string(command.name) + (command.arguments.empty() ? "" : " ")))
            << line;
        EXPECT_NE(line.find(command.arguments), std::string::npos) << line;
        const std::size_t column = line.rfind(command.help);
        ASSERT_NE(column, std::string::npos) << line;
        if (helpColumn == std::string::npos) helpColumn = column;
        EXPECT_EQ(column, helpColumn) << line;
    }
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "ok");
    EXPECT_FALSE(std::getline(lines, line));
}

// `set` moves a control through the parameter table and `params` reads every
// parameter back; the change is heard as the headless driver's.
TEST_F(HeadlessSessionTest, SetMovesAParameterAndParamsListsThemAll) {
    Start();
    HeadlessDriver driver(*app_, *host_, *clock_, *form_);
    std::vector<ChangeSource> sources;
    auto subscription =
        form_->Changes().Subscribe([&](const ParamChange& c) { sources.push_back(c.source); });
    std::ostringstream out;
    for (const char* line : {"click bsSkinButton1", "set KEY b-5", "set 0x13 31", "set INPUT VCR",
                             "set SAVE 7", "set NOPE 1", "params"})
        driver.Execute(line, out);
    EXPECT_EQ(Written(12),
              Frames({{0x80, 0x1B, 0x00, 0xA0}, {0x80, 0x13, 0x1F, 0xA0}, {0x80, 0x1A, 0x01, 0xA0}}));
    EXPECT_EQ(sources, std::vector<ChangeSource>(3, ChangeSource::Headless));
    std::istringstream answers(out.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(answers, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 6 + CommandTable().size() + 1);
    EXPECT_EQ(lines[4], "error: 7 is not a value of SAVE");
    EXPECT_EQ(lines[5], "error: no parameter NOPE");
    EXPECT_EQ(lines[6], "DELAY 170");
    const auto has = [&](const char* line) { return std::ranges::find(lines, line) != lines.end(); };
    EXPECT_TRUE(has("KEY b-5"));
    EXPECT_TRUE(has("MUSIC-BASS 10"));
    EXPECT_TRUE(has("MAIN-VOL 31"));
    EXPECT_TRUE(has("INPUT VCR"));
    EXPECT_TRUE(has("AUX -"));
    EXPECT_EQ(lines.back(), "ok");
}

}  // namespace
}  // namespace dsp::test
