#include "tests/support/xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace dsp::test {
namespace {

std::vector<char*> CStrings(std::vector<std::string>& v) {
    std::vector<char*> out;
    for (auto& s : v) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// The variable's name with its '='.
std::string Key(const std::string& entry) {
    const auto eq = entry.find('=');
    return eq == std::string::npos ? entry + "=" : entry.substr(0, eq + 1);
}

std::vector<std::string> Environment(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        bool replaced = false;
        for (const auto& x : extra)
            if (Key(entry) == Key(x)) replaced = true;
        if (!replaced) env.push_back(entry);
    }
    for (const auto& x : extra)
        if (x.find('=') != std::string::npos) env.push_back(x);
    return env;
}

long NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Reads from fd into buffer until a newline arrives or the deadline passes.
bool ReadLineFrom(int fd, std::string& buffer, std::string& line, int timeoutMs) {
    long deadline = NowMs() + timeoutMs;
    for (;;) {
        size_t nl = buffer.find('\n');
        if (nl != std::string::npos) {
            line = buffer.substr(0, nl);
            buffer.erase(0, nl + 1);
            return true;
        }
        long left = deadline - NowMs();
        if (left <= 0 || fd < 0) return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char chunk[512];
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0) return false;
        buffer.append(chunk, static_cast<size_t>(n));
    }
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                           bool captureStdout, bool mergeStderr, bool pipeStdin) {
    int fds[2] = {-1, -1};
    if (captureStdout && ::pipe2(fds, O_CLOEXEC) != 0) return;
    int input[2] = {-1, -1};
    if (pipeStdin && ::pipe2(input, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (pipeStdin) posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    if (captureStdout) posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    if (captureStdout && mergeStderr) posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    std::vector<std::string> args = argv;
    std::vector<std::string> envs = Environment(env);
    auto cargs = CStrings(args);
    auto cenv = CStrings(envs);
    pid_t pid = -1;
    if (posix_spawnp(&pid, cargs[0], &actions, nullptr, cargs.data(), cenv.data()) == 0) pid_ = pid;
    posix_spawn_file_actions_destroy(&actions);
    if (captureStdout) {
        ::close(fds[1]);
        out_ = fds[0];
    }
    if (pipeStdin) {
        ::close(input[0]);
        in_ = input[1];
    }
}

void ChildProcess::Signal(int signo) {
    if (pid_ > 0) ::kill(pid_, signo);
}

bool ChildProcess::Write(const std::string& text) {
    return in_ >= 0 && ::write(in_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

ChildProcess::~ChildProcess() {
    Terminate();
    if (out_ >= 0) ::close(out_);
    if (in_ >= 0) ::close(in_);
}

bool ChildProcess::ReadLine(std::string& line, int timeoutMs) {
    return ReadLineFrom(out_, buffer_, line, timeoutMs);
}

int ChildProcess::Wait(int timeoutMs) {
    if (pid_ <= 0) return -1;
    // A pidfd becomes readable when the process ends, so the wait needs no
    // polling loop.
    int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
    if (pidfd >= 0) {
        pollfd p{pidfd, POLLIN, 0};
        int ready = ::poll(&p, 1, timeoutMs);
        ::close(pidfd);
        if (ready <= 0) {
            Terminate();
            return -1;
        }
    }
    int status = 0;
    pid_t r = ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return r > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ChildProcess::Terminate() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string RunAndRead(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                       int timeoutMs) {
    ChildProcess child(argv, env);
    if (!child.Started()) return "";
    std::string out, line;
    while (child.ReadLine(line, timeoutMs)) out += line + "\n";
    return child.Wait() == 0 ? out : "";
}

XvfbServer::XvfbServer() {
    // Xvfb picks a free display itself and writes its number to -displayfd
    // once it accepts connections.
    int fds[2];
    if (::pipe(fds) != 0) {
        error_ = "pipe failed";
        return;
    }
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::vector<std::string> args = {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                     "1024x768x24", "-nolisten", "tcp",
                                     // Without it the server resets whenever its last client leaves, and a
                                     // program connecting just then is turned away.
                                     "-noreset"};
    auto cargs = CStrings(args);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, "Xvfb", &actions, nullptr, cargs.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        error_ = std::string("cannot run Xvfb: ") + std::strerror(rc);
        return;
    }
    pid_ = pid;
    std::string buffer, line;
    bool ok = ReadLineFrom(fds[0], buffer, line, 15000);
    ::close(fds[0]);
    if (!ok || line.empty()) {
        error_ = "Xvfb did not start";
        return;
    }
    display_ = ":" + line;
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
}

void XvfbServer::Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace dsp::test
