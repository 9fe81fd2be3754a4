// The termios device on pseudo-terminals: line settings, write timeouts and
// the event wait.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/serialdev/termios_device.h"

namespace dsp {
namespace {

using namespace std::chrono_literals;

class TermiosDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(pty.Create(), 0);
        ASSERT_EQ(device.Open(pty.SlavePath()), 0);
    }
    PtyPair pty;
    TermiosSerialDevice device;
    StopSignal stop;
};

TEST_F(TermiosDeviceTest, LineSettingsReachTheTerminal) {
    SerialLineSettings s;
    std::uint32_t rate = 0;
    s.baudRate = 31250; // no B constant: termios2
    ASSERT_EQ(device.SetLine(s), 0);
    ASSERT_EQ(device.CurrentSpeed(&rate), 0);
    EXPECT_EQ(rate, 31250u);
    s.baudRate = 115200;
    ASSERT_EQ(device.SetLine(s), 0);
    ASSERT_EQ(device.CurrentSpeed(&rate), 0);
    EXPECT_EQ(rate, 115200u);
    s.parity = LineParity::Mark;
    s.dataBits = 5;
    s.stopBits = LineStopBits::Two;
    EXPECT_EQ(device.SetLine(s), 0);
    s.stopBits = LineStopBits::OneAndHalf; // no termios form
    EXPECT_EQ(device.SetLine(s), EINVAL);
    s.stopBits = LineStopBits::One;
    s.dataBits = 9;
    EXPECT_EQ(device.SetLine(s), EINVAL);
    // DTR/RTS and the modem lines: a pty has none, which is no error.
    s.dataBits = 8;
    s.dtr = LineDtr::Enable;
    EXPECT_EQ(device.SetLine(s), 0);
    std::uint32_t status = 1, errors = 1;
    EXPECT_EQ(device.ModemStatus(&status), 0);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(device.TakeLineErrors(&errors), 0);
    EXPECT_EQ(errors, 0u);
}

TEST_F(TermiosDeviceTest, AFullQueueEndsTheWriteShortAtTheTimeout) {
    SerialTimeouts t;
    t.writeTotalConstant = 30;
    t.writeTotalMultiplier = 0;
    ASSERT_EQ(device.SetTimeouts(t), 0);
    std::vector<std::uint8_t> data(1 << 20, 0x55); // far more than a pty holds
    std::size_t written = 0;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(device.Write(data.data(), data.size(), &written), 0);
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, data.size());
    EXPECT_GE(took, 25ms);
    EXPECT_LT(took, 2s);
}

TEST_F(TermiosDeviceTest, WaitReportsInputOnceAndTheStopWins) {
    std::uint32_t events = 0;
    ASSERT_EQ(WriteAll(pty.MasterFd(), "hi", 2), 0);
    ASSERT_EQ(device.WaitEvents(serial_event::kRxChar, stop, &events), 0);
    EXPECT_EQ(events, serial_event::kRxChar);
    int pending = 0;
    EXPECT_EQ(device.PendingInput(&pending), 0);
    EXPECT_EQ(pending, 2);
    // The same unread bytes give no second event; more bytes do.
    std::thread more([&] { WriteAll(pty.MasterFd(), "!", 1); });
    ASSERT_EQ(device.WaitEvents(serial_event::kRxChar, stop, &events), 0);
    more.join();
    EXPECT_EQ(device.PendingInput(&pending), 0);
    EXPECT_EQ(pending, 3);
    // Input and the stop together: the stop wins.
    ASSERT_EQ(WriteAll(pty.MasterFd(), "x", 1), 0);
    stop.Signal();
    EXPECT_EQ(device.WaitEvents(serial_event::kRxChar, stop, &events), ECANCELED);
}

TEST_F(TermiosDeviceTest, WriteEndsWithTransmitQueueEmpty) {
    std::size_t written = 0;
    ASSERT_EQ(device.Write("\x80\x13\x1f\xa0", 4, &written), 0);
    std::uint32_t events = 0;
    ASSERT_EQ(device.WaitEvents(serial_event::kTxEmpty, stop, &events), 0);
    EXPECT_EQ(events, serial_event::kTxEmpty);
}

TEST_F(TermiosDeviceTest, HangUpIsOneLineErrorThenAnIoErrorWithoutSpinning) {
    pty.CloseMaster();
    std::uint32_t events = 0;
    ASSERT_EQ(device.WaitEvents(0x05FF, stop, &events), 0);
    EXPECT_EQ(events, serial_event::kErr);
    std::uint32_t errors = 0;
    EXPECT_EQ(device.TakeLineErrors(&errors), 0);
    EXPECT_EQ(errors, line_error::kIo);
    std::size_t written = 0;
    EXPECT_EQ(device.Write("x", 1, &written), EIO);
    // The next wait reports nothing new: it sleeps until stopped. The stop
    // comes late enough that a loop reporting the hang-up again would be seen.
    std::thread stopper([&] {
        std::this_thread::sleep_for(50ms);
        stop.Signal();
    });
    EXPECT_EQ(device.WaitEvents(0x05FF, stop, &events), ECANCELED);
    stopper.join();
}

} // namespace
} // namespace dsp
