// `dsp-panel simulate-unit` as a program: the first line, a line per frame,
// the state on SIGUSR1, and a clean end on SIGTERM and when the peer closes.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "platform/serialdev/fd_wait.h"
#include "serial/com_port.h"
#include "tests/support/pty.h"

namespace dsp {
namespace {

class SimulatorProcess {
  public:
    explicit SimulatorProcess(const std::string& arg) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            execl(DSP_BINARY_DIR "/dsp-panel", "dsp-panel", "simulate-unit", arg.c_str(), nullptr);
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
    }
    ~SimulatorProcess() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            Wait();
        }
        if (out_ >= 0) close(out_);
    }

    // Reads stdout until it holds `text` (or 5 s pass); returns all so far.
    std::string ReadUntil(const std::string& text) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (text_.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            auto bytes = test::ReadBytes(out_, 1, std::chrono::milliseconds(100));
            text_.append(bytes.begin(), bytes.end());
        }
        return text_;
    }
    void Signal(int signo) { kill(pid_, signo); }
    int Wait() {
        int status = 0;
        waitpid(pid_, &status, 0);
        reaped_ = true;
        return status;
    }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    bool reaped_ = false;
    std::string text_;
};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST(SimulateCommand, PrintsFramesAndStateAndEndsOnSigterm) {
    SimulatorProcess sim("--pty");
    std::string path = FirstLine(sim.ReadUntil("\n"));
    ASSERT_EQ(path.rfind("/dev/pts/", 0), 0u) << path;

    TComPort port;
    port.SetPort(path);
    port.OpenPort();
    const std::uint8_t stream[] = {0x80, 0x13, 0x1F, 0xA0, 0x42, 0x80, 0x1A, 0x04, 0xA0};
    port.SendBytes(stream, sizeof stream);
    EXPECT_NE(sim.ReadUntil("INPUT AUTO\n").find(path + "\nMAIN-VOL 31\nINPUT AUTO\n"), std::string::npos);

    sim.Signal(SIGUSR1);
    std::string text = sim.ReadUntil("skipped bytes 1\n---\n");
    EXPECT_NE(text.find("--- unit state ---\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  MAIN-VOL 31\n"), std::string::npos);

    sim.Signal(SIGTERM);
    int status = sim.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    port.ClosePort();
}

TEST(SimulateCommand, EndsWhenThePeerClosesAndPrintsTheState) {
    SimulatorProcess sim("--pty");
    std::string path = FirstLine(sim.ReadUntil("\n"));
    {
        TComPort port;
        port.SetPort(path);
        port.OpenPort();
        const std::uint8_t frame[] = {0x80, 0x22, 0x40, 0xA0};
        port.SendBytes(frame, sizeof frame);
    }  // closed with the port
    int status = sim.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    std::string text = sim.ReadUntil("skipped bytes 0\n---\n");
    EXPECT_NE(text.find("\nMUSIC-VOL-MAX 64\n--- unit state ---\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  MUSIC-VOL-MAX 64\n"), std::string::npos) << text;
    EXPECT_NE(text.find("frames 1, unknown 0, skipped bytes 0\n---\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace dsp
