// TComPort on the termios device over pseudo-terminals.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <thread>

#include "main/protocol/frame.h"
#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/pty_pair.h"
#include "serial/com_port.h"
#include "tests/serial/open_error.h"
#include "tests/support/pty.h"
#include "tests/support/wait_until.h"

namespace dsp {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
using test::ReadBytes;
using test::WaitUntil;

class PtyPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(pty.Create(), 0);
        port.SetPort(pty.SlavePath());
    }
    // Drives the port's queue as an event loop would, until `done` holds.
    template <class Pred>
    bool Serve(Pred done) {
        return WaitUntil([&] {
            port.Dispatcher().ProcessPending();
            return done();
        });
    }

    PtyPair pty;
    TComPort port;
};

using test::OpenError;

TEST_F(PtyPortTest, FramesArriveByteExactAndAClosedPortWritesNothing) {
    port.OpenPort();
    Frame frame = BuildFrame(0x13, 31);
    EXPECT_EQ(port.SendBytes(frame.data(), 4), 4);
    // Bytes that a cooked terminal would change pass as they are.
    Bytes raw = {0x0A, 0x0D, 0x03, 0x11, 0x13, 0x7F, 0x80, 0xA0, 0xFF, 0x00};
    EXPECT_EQ(port.SendBytes(raw.data(), static_cast<int>(raw.size())), 10);
    Bytes expected = {0x80, 0x13, 0x1F, 0xA0};
    expected.insert(expected.end(), raw.begin(), raw.end());
    EXPECT_EQ(ReadBytes(pty.MasterFd(), expected.size()), expected);

    port.ClosePort();
    try {
        port.SendBytes(frame.data(), 4);
        FAIL() << "a closed port wrote";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_WRITE_FAILED);
    }
    EXPECT_FALSE(test::HasInput(pty.MasterFd()));
}

TEST_F(PtyPortTest, NamesThatAreNoSerialDeviceFailWithTheirErrno) {
    int code = 0;
    EXPECT_EQ(OpenError("", &code), CE_OPEN_FAILED);
    EXPECT_EQ(code, ENOENT);
    EXPECT_EQ(OpenError("/dev/null", &code), CE_OPEN_FAILED);
    EXPECT_EQ(code, ENOTTY);
    EXPECT_EQ(OpenError("/tmp", &code), CE_OPEN_FAILED);
    EXPECT_EQ(code, EISDIR);
    EXPECT_EQ(OpenError("/nonexistent/ttyS0", &code), CE_OPEN_FAILED);
    EXPECT_EQ(code, ENOENT);
    EXPECT_EQ(OpenError("../etc/passwd", &code), CE_OPEN_FAILED);
    EXPECT_EQ(code, ENOENT);

    port.OpenPort();
    EXPECT_EQ(OpenError(pty.SlavePath(), &code), CE_OPEN_FAILED);
    EXPECT_EQ(code, EBUSY);
    port.ClosePort();
    EXPECT_EQ(OpenError(pty.SlavePath(), &code), 0);  // released on close
}

TEST_F(PtyPortTest, UnplugRaisesWriteErrorReportsLineErrorAndStillCloses) {
    TComErrors reported;
    port.OnError = [&](TCustomComPort*, TComErrors e) { reported = e; };
    port.OpenPort();
    pty.CloseMaster();  // the device goes away
    Frame frame = BuildFrame(0x13, 1);
    try {
        port.SendBytes(frame.data(), 4);
        FAIL() << "no error";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.ErrorNumber(), CE_WRITE_FAILED);
        EXPECT_EQ(e.SystemErrorCode(), EIO);
        EXPECT_STREQ(e.what(), "WriteFile function failed (win error code: 5)");
    }
    // The hang-up reaches OnError as an I/O error, once.
    ASSERT_TRUE(Serve([&] { return reported.Contains(ceIO); }));
    EXPECT_NO_THROW(port.ClosePort());
    EXPECT_FALSE(port.Connected());

    PtyPair replugged;
    ASSERT_EQ(replugged.Create(), 0);
    port.SetPort(replugged.SlavePath());
    port.OpenPort();
    port.SendBytes(frame.data(), 4);
    EXPECT_EQ(ReadBytes(replugged.MasterFd(), 4), Bytes(frame.begin(), frame.end()));
}

TEST_F(PtyPortTest, ClosePortReturnsPromptlyWhileTheThreadWaits) {
    port.OpenPort();
    auto start = std::chrono::steady_clock::now();
    port.ClosePort();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
}

TEST_F(PtyPortTest, ReceivedCharactersAreHandedOverAndAPendingHandOffDoesNotBlockClose) {
    std::vector<int> counts;
    bool connectedInHandler = false;
    std::thread::id handlerThread;
    port.OnRxChar = [&](TCustomComPort* p, int count) {
        counts.push_back(count);
        connectedInHandler = p->Connected();
        handlerThread = std::this_thread::get_id();
    };
    port.OpenPort();
    ASSERT_EQ(WriteAll(pty.MasterFd(), "abc", 3), 0);
    ASSERT_TRUE(Serve([&] { return counts.size() == 1; }));
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
    char taken[8] = {};
    EXPECT_EQ(port.ReceiveBytes(taken, 2), 2);  // the default timeouts return at once
    EXPECT_STREQ(taken, "ab");

    // More bytes while the first are still unread: a new event, counting all.
    ASSERT_EQ(WriteAll(pty.MasterFd(), "de", 2), 0);
    ASSERT_TRUE(WaitUntil([&] { return port.Dispatcher().PendingCount() == 1; }));
    // ClosePort finds the hand-off pending and serves it while it waits.
    port.ClosePort();
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_EQ(counts[1], 3);  // "c" left unread, then "de"
    EXPECT_TRUE(connectedInHandler);
}

TEST_F(PtyPortTest, IdleMonitoringThreadUsesNearlyNoCpu) {
    port.OpenPort();
    // Unread input must not keep the thread busy either.
    ASSERT_EQ(WriteAll(pty.MasterFd(), "xyz", 3), 0);
    ASSERT_TRUE(Serve([&] { return port.PendingInputCount() == 3; }));
    port.Dispatcher().ProcessPending();
    std::clock_t before = std::clock();
    // The measured interval itself: real time has to pass for an idle thread.
    std::this_thread::sleep_for(1s);
    port.Dispatcher().ProcessPending();
    double cpuSeconds = static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuSeconds, 0.05);
    port.ClosePort();
}

TEST_F(PtyPortTest, TenThousandFramesArriveCompleteAndInOrder) {
    port.OpenPort();
    constexpr int kFrames = 10000;
    Bytes received;
    std::thread reader([&] { received = ReadBytes(pty.MasterFd(), kFrames * 4, 20s); });
    for (int i = 0; i < kFrames; ++i) {
        Frame frame = BuildFrame(static_cast<std::uint8_t>(i % 50), i);
        ASSERT_EQ(port.SendBytes(frame.data(), 4), 4);
    }
    reader.join();
    ASSERT_EQ(received.size(), std::size_t{kFrames * 4});
    for (int i = 0; i < kFrames; ++i) {
        Frame frame = BuildFrame(static_cast<std::uint8_t>(i % 50), i);
        ASSERT_TRUE(std::equal(frame.begin(), frame.end(), received.begin() + i * 4)) << "frame " << i;
    }
    port.ClosePort();
}

}  // namespace
}  // namespace dsp
