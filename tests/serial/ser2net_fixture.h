#pragma once
// A ser2net of the test's own: its own YAML configuration with a Telnet
// COM-port accepter and a raw TCP accepter on free loopback ports, both
// leading to one device (a pseudo-terminal the test holds). It never touches
// a system-wide ser2net or its configuration. Start, Stop and Start again
// keep the same ports, so a client can find the server again.

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/temp_dir.h"

extern char** environ;

namespace dsp::test {

inline std::string FindSer2net() {
    for (const char* dir : {"/usr/sbin", "/usr/bin", "/sbin", "/bin", "/usr/local/sbin"}) {
        std::string path = std::string(dir) + "/ser2net";
        if (access(path.c_str(), X_OK) == 0) return path;
    }
    return {};
}

inline int FreeLoopbackPort() {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

// Whether something listens on the loopback port, read from the kernel's
// socket table: a probing connection would make ser2net open the device and
// could still hold it when the test's own client arrives.
inline bool Listening(int port) {
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line);  // header
    char wanted[16];
    std::snprintf(wanted, sizeof wanted, ":%04X", port);
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, local, remote, state;
        fields >> slot >> local >> remote >> state;
        if (state == "0A" && local.size() > 5 && local.substr(local.size() - 5) == wanted) return true;
    }
    return false;
}

class Ser2net {
  public:
    // `initialLine` is the line ser2net sets before any client asks, such as
    // "115200e71", so a test can see that the client's settings win.
    Ser2net(std::string device, std::string initialLine = "9600n81")
        : device_(std::move(device)), line_(std::move(initialLine)) {
        dir_ = (TestOutputDir() / ("ser2net-" + std::to_string(getpid()) + "-" + std::to_string(counter_++)))
                   .string();
        telnetPort_ = FreeLoopbackPort();
        rawPort_ = FreeLoopbackPort();
    }
    ~Ser2net() { Stop(); }

    static bool Available() { return !FindSer2net().empty(); }

    int TelnetPort() const { return telnetPort_; }
    int RawPort() const { return rawPort_; }
    std::string TelnetUrl() const { return "rfc2217://127.0.0.1:" + std::to_string(telnetPort_); }
    std::string RawUrl() const { return "socket://127.0.0.1:" + std::to_string(rawPort_); }

    // Starts it and waits (bounded) until both accepters listen.
    bool Start() {
        if (pid_ > 0) return true;
        std::string program = FindSer2net();
        if (program.empty()) return false;
        std::string config = dir_ + ".yaml";
        std::ofstream(config) << Accepter("telnet(rfc2217),tcp", telnetPort_) << Accepter("tcp", rawPort_);
        std::string log = dir_ + ".log";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        std::string pidFile = dir_ + ".pid";
        const char* argv[] = {program.c_str(), "-n",   "-u", "-c", config.c_str(), "-P",
                              pidFile.c_str(), nullptr};
        int e = posix_spawn(&pid_, program.c_str(), &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (e != 0) {
            pid_ = -1;
            return false;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!(Listening(telnetPort_) && Listening(rawPort_))) {
            if (std::chrono::steady_clock::now() > deadline || Exited()) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    void Stop() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    std::string Accepter(const std::string& kind, int port) const {
        return "connection: &p" + std::to_string(port) + "\n  accepter: " + kind + ",127.0.0.1," +
               std::to_string(port) + "\n  connector: serialdev," + device_ + "," + line_ +
               ",local\n  options:\n    kickolduser: true\n";
    }
    bool Exited() {
        if (waitpid(pid_, nullptr, WNOHANG) != pid_) return false;
        pid_ = -1;
        return true;
    }

    static inline int counter_ = 0;
    std::string device_;
    std::string line_;
    std::string dir_;
    int telnetPort_ = 0;
    int rawPort_ = 0;
    pid_t pid_ = -1;
};

}  // namespace dsp::test
