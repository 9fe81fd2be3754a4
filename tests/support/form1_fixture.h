#pragma once
// The control panel window on a headless application with a fake clock, its
// port COM1 on a pseudo-terminal (COM2 names a device that does not exist)
// and its registry in a file of the test's own.

#include <sstream>
#include <string>
#include <vector>

#include "controls/popup_list_box.h"
#include "main/panel/form1.h"
#include "platform/registry/registry.h"
#include "platform/serialdev/termios_device.h"
#include "tests/support/app_fixture.h"
#include "tests/support/pty.h"
#include "tests/support/temp_dir.h"

namespace dsp::test {

using Bytes = std::vector<std::uint8_t>;

class Form1Test : public AppTest {
  protected:
    // The window goes before the line it talks on.
    ~Form1Test() override { app_.reset(); }

    // Stores a language before the window starts.
    void StoreLanguage(int value) {
        TRegistry store(registryFile_);
        ASSERT_TRUE(store.OpenKey("\\Software\\tolmy\\audio", true));
        store.WriteInteger("Language", value);
    }

    void Start() {
        TForm1::Options options;
        options.registryFile = registryFile_;
        const std::string slave = pty_.SlavePath();
        PortMap map;
        map.Set("COM1", slave);
        map.Set("COM2", "/nonexistent/dsp-panel-test-tty");
        options.deviceFactory = [map](const std::string&) {
            return std::unique_ptr<SerialDevice>(std::make_unique<TermiosSerialDevice>(map));
        };
        options.portMap = map;
        options.diagnostics = &diagnostics_;
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        app_->ProcessMessages();
    }

    TControl* Control(const char* name) const {
        auto* control = dynamic_cast<TControl*>(form_->FindComponent(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void Connect() {
        ClickOn(form_->bsSkinButton1);
        ASSERT_TRUE(form_->ComPort1.Connected()) << diagnostics_.str();
    }
    // Opens the list with a click and clicks row `index`, as the operator does.
    void Pick(TbsSkinComboBox* combo, int index) {
        ClickOn(combo);
        ASSERT_TRUE(combo->DroppedDown());
        // The row's middle, from the list's own rows and row height.
        const TbsPopupListBox& list = combo->ListBox();
        const int row = index - combo->Model().List().TopIndex();
        const Rect rows = list.RowsRect();
        host_->Click(list.ClientToScreen(
            {rows.left + 10, rows.top + row * list.ItemHeight() + list.ItemHeight() / 2}));
        Process();
        ASSERT_FALSE(combo->DroppedDown());
    }

    std::vector<std::uint8_t> Written(std::size_t count) { return ReadBytes(pty_.MasterFd(), count); }
    // The pty hands bytes on asynchronously, so "nothing" means nothing
    // within a short wait.
    bool NothingWritten() { return !HasInput(pty_.MasterFd(), 100); }

    std::optional<int> StoredLanguage() {
        TRegistry store(registryFile_);
        if (!store.OpenKey("\\Software\\tolmy\\audio", false) || !store.ValueExists("Language"))
            return std::nullopt;
        return store.ReadInteger("Language");
    }

    HeldPty pty_;
    TempDir dir_;
    std::string registryFile_ = dir_ / "user.reg";
    std::ostringstream diagnostics_;
    TForm1* form_ = nullptr;
};

inline std::vector<std::uint8_t> Frames(std::initializer_list<std::vector<std::uint8_t>> frames) {
    std::vector<std::uint8_t> all;
    for (const auto& frame : frames) all.insert(all.end(), frame.begin(), frame.end());
    return all;
}

}  // namespace dsp::test
