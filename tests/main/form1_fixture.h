#pragma once
// The control panel window on a headless application with a fake clock, its
// port COM1 on a pseudo-terminal (COM2 names a device that does not exist)
// and its registry in a file of the test's own.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "controls/popup_list_box.h"
#include "main/panel/form1.h"
#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/headless_host.h"
#include "platform/registry/registry.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/termios_device.h"
#include "tests/serial/pty_reader.h"

namespace dsp::test {

using Bytes = std::vector<std::uint8_t>;

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() {
        auto host = std::make_unique<HeadlessHost>();
        host_ = host.get();
        auto clock = std::make_unique<FakeClock>(1000);
        clock_ = clock.get();
        app_ = std::make_unique<TApplication>(std::move(host), std::move(clock));
        host_->SetEcho(false);
        EXPECT_EQ(pty_.Create(), 0);
        // Holding the line's far end open keeps a disconnect from hanging up
        // the pty, which would drop bytes not yet read from the master.
        holdSlave_ = ::open(pty_.SlavePath().c_str(), O_RDWR | O_NOCTTY);
        EXPECT_GE(holdSlave_, 0);
        const char* out = std::getenv("DSP_TEST_OUT");
        registryFile_ = std::string(out ? out : "/tmp") + "/" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".reg";
        std::remove(registryFile_.c_str());
    }
    ~Form1Test() override {
        app_.reset();
        if (holdSlave_ >= 0) ::close(holdSlave_);
    }

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
        options.deviceFactory = [map] {
            return std::unique_ptr<SerialDevice>(std::make_unique<TermiosSerialDevice>(map));
        };
        options.portMap = map;
        options.diagnostics = &diagnostics_;
        form_ = new TForm1(app_.get(), options);
        form_->Show();
        app_->ProcessMessages();
    }

    void Process() { app_->ProcessMessages(); }
    TControl* Control(const char* name) const {
        auto* control = dynamic_cast<TControl*>(form_->FindComponent(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    void ClickOn(TControl* control) {
        host_->Click(control->ClientToScreen({control->Width() / 2, control->Height() / 2}));
        Process();
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
    bool NothingWritten() {
        FdWaitItem item{pty_.MasterFd()};
        return WaitForInput(std::span(&item, 1), 100) != 0 || !item.readable;
    }

    std::optional<int> StoredLanguage() {
        TRegistry store(registryFile_);
        if (!store.OpenKey("\\Software\\tolmy\\audio", false) || !store.ValueExists("Language"))
            return std::nullopt;
        return store.ReadInteger("Language");
    }

    HeadlessHost* host_;
    FakeClock* clock_;
    std::unique_ptr<TApplication> app_;
    PtyPair pty_;
    int holdSlave_ = -1;
    std::string registryFile_;
    std::ostringstream diagnostics_;
    TForm1* form_ = nullptr;
};

inline std::vector<std::uint8_t> Frames(std::initializer_list<std::vector<std::uint8_t>> frames) {
    std::vector<std::uint8_t> all;
    for (const auto& frame : frames) all.insert(all.end(), frame.begin(), frame.end());
    return all;
}

}  // namespace dsp::test
