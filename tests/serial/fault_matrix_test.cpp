// The serial port against the faults a line meets: the far end gone during a
// blocked write, hang-ups, a port another program holds, no permission, a
// device that is no terminal, and many open/close cycles. Each case runs under
// a watchdog and most are repeated, since races show only now and then.

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

#include "platform/serialdev/pty_pair.h"
#include "serial/com_port.h"
#include "tests/serial/open_error.h"
#include "tests/serial/watchdog.h"
#include "tests/support/wait_until.h"

namespace dsp {
namespace {

using namespace std::chrono_literals;
using test::Watchdog;

constexpr int kRepeats = 100;

int CountEntries(const char* folder) {
    DIR* dir = ::opendir(folder);
    if (dir == nullptr) return -1;
    int count = 0;
    while (::readdir(dir) != nullptr) ++count;
    ::closedir(dir);
    return count;
}

using test::OpenError;

// The unit is unplugged while a write waits for room: the write fails within
// its timeout, and closing afterwards does not wait either.
TEST(SerialFaults, FarEndClosedDuringABlockedWrite) {
    Watchdog watchdog("blocked writes", 60s);
    const std::vector<std::uint8_t> burst(64 * 1024, 0x55);  // far more than the line's queue holds
    for (int round = 0; round < kRepeats; ++round) {
        PtyPair pty;
        ASSERT_EQ(pty.Create(), 0);
        TComPort port;
        port.SetPort(pty.SlavePath());
        TComTimeouts timeouts;
        timeouts.SetWriteTotalConstant(2000);
        port.SetTimeouts(timeouts);
        port.OpenPort();
        std::thread unplug([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(2 + round % 5));
            pty.CloseMaster();
        });
        const auto start = std::chrono::steady_clock::now();
        int error = 0;
        try {
            port.SendBytes(burst.data(), int(burst.size()));
        } catch (const EComPort& e) {
            error = e.ErrorNumber();
        }
        const auto took = std::chrono::steady_clock::now() - start;
        unplug.join();
        EXPECT_EQ(error, CE_WRITE_FAILED) << "round " << round;
        EXPECT_LT(took, 2000ms + 200ms) << "round " << round;
        const auto closing = std::chrono::steady_clock::now();
        EXPECT_NO_THROW(port.ClosePort());
        EXPECT_LT(std::chrono::steady_clock::now() - closing, 500ms);
    }
}

// A line that keeps hanging up must not make the monitoring thread spin.
TEST(SerialFaults, HangUpStormDoesNotSpin) {
    Watchdog watchdog("hang-up storm", 30s);
    TComPort port;
    int errorsReported = 0;
    port.OnError = [&](TCustomComPort*, TComErrors) { ++errorsReported; };
    std::vector<PtyPair> lines(20);
    for (PtyPair& line : lines) {  // hang up, plug in the next, again and again
        ASSERT_EQ(line.Create(), 0);
        port.SetPort(line.SlavePath());
        port.OpenPort();
        line.CloseMaster();
        port.Dispatcher().ProcessPending();
        port.ClosePort();
    }
    PtyPair last;
    ASSERT_EQ(last.Create(), 0);
    port.SetPort(last.SlavePath());
    port.OpenPort();
    last.CloseMaster();  // and this one stays hung up while open
    ASSERT_TRUE(test::WaitUntil([&] {
        port.Dispatcher().ProcessPending();
        return errorsReported > 0;
    }));
    const std::clock_t before = std::clock();
    std::this_thread::sleep_for(2s);  // real time has to pass to see a spin
    port.Dispatcher().ProcessPending();
    const double cpuSeconds = double(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuSeconds, 0.05 * 2);
    EXPECT_NO_THROW(port.ClosePort());
}

TEST(SerialFaults, APortAnotherOpenerHoldsIsBusyEveryTime) {
    Watchdog watchdog("busy ports", 30s);
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    TComPort holder;
    holder.SetPort(pty.SlavePath());
    holder.OpenPort();
    for (int round = 0; round < kRepeats; ++round) {
        int code = 0;
        ASSERT_EQ(OpenError(pty.SlavePath(), &code), CE_OPEN_FAILED);
        ASSERT_EQ(code, EBUSY);
    }
    holder.ClosePort();
    int code = 0;
    EXPECT_EQ(OpenError(pty.SlavePath(), &code), 0);
}

TEST(SerialFaults, ADeviceThatIsNoTerminalIsRefusedEveryTime) {
    Watchdog watchdog("no terminal", 30s);
    for (int round = 0; round < kRepeats; ++round) {
        int code = 0;
        ASSERT_EQ(OpenError("/dev/null", &code), CE_OPEN_FAILED);
        ASSERT_EQ(code, ENOTTY);
    }
}

// Without permission for the device. Root opens anything, so as root the test
// gives up only its file-system identity, on this thread and for the opens
// alone: a forked child would have to run the port's code after fork() in a
// threaded program, which can deadlock (and once held the whole run).
TEST(SerialFaults, ADeviceWithoutPermissionIsRefused) {
    Watchdog watchdog("no permission", 30s);
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    ASSERT_EQ(::chmod(pty.SlavePath().c_str(), 0), 0);
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (root) {
        ::setfsgid(kNobody);
        ::setfsuid(kNobody);
    }
    std::vector<int> codes;
    for (int round = 0; round < 10; ++round) {
        int code = 0;
        codes.push_back(OpenError(pty.SlavePath(), &code) == CE_OPEN_FAILED ? code : -1);
    }
    if (root) {
        ::setfsuid(0);
        ::setfsgid(0);
    }
    for (const int code : codes) EXPECT_EQ(code, EACCES);
}

// Every open starts a monitoring thread and takes a descriptor; every close
// must give both back.
TEST(SerialFaults, ThousandOpenCloseCyclesLeaveNothingBehind) {
    Watchdog watchdog("open/close cycles", 120s);
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    TComPort port;
    port.SetPort(pty.SlavePath());
    port.OpenPort();  // warm up: first-use allocations are not leaks
    port.ClosePort();
    const int fds = CountEntries("/proc/self/fd");
    const int threads = CountEntries("/proc/self/task");
    for (int round = 0; round < 1000; ++round) {
        port.OpenPort();
        ASSERT_TRUE(port.Connected());
        port.ClosePort();
    }
    EXPECT_EQ(CountEntries("/proc/self/fd"), fds);
    EXPECT_EQ(CountEntries("/proc/self/task"), threads);
}

}  // namespace
}  // namespace dsp
