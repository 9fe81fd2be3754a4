#pragma once
// Test support for window tests: a private Xvfb server on a display number it
// picks itself, and child processes whose output can be read line by line
// with a deadline.

#include <sys/types.h>

#include <string>
#include <vector>

namespace dsp::test {

class ChildProcess {
  public:
    // Starts argv[0] (searched in PATH) with extra environment entries
    // ("NAME=value"; a bare "NAME" removes the variable); its stdout (and
    // with mergeStderr its stderr too) can be read with ReadLine; with
    // pipeStdin its standard input is written with Write.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
                 bool captureStdout = true, bool mergeStderr = false, bool pipeStdin = false);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // The next line of output, or false when none came within timeoutMs.
    bool ReadLine(std::string& line, int timeoutMs);
    // Waits up to timeoutMs for the process to end; returns its exit status,
    // or -1 when it failed or had to be killed.
    int Wait(int timeoutMs = 10000);
    void Terminate();
    void Signal(int signo);
    bool Write(const std::string& text);

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    int in_ = -1;
    std::string buffer_;
};

// Runs a program to its end and returns its output, or "" when it failed.
std::string RunAndRead(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                       int timeoutMs = 10000);

class XvfbServer {
  public:
    XvfbServer();
    ~XvfbServer();
    // Empty when the server could not start; Error() then says why.
    const std::string& Display() const { return display_; }
    const std::string& Error() const { return error_; }
    std::string DisplayEnv() const { return "DISPLAY=" + display_; }
    // Ends the server at once, as a crash would, and waits for it.
    void Kill();

  private:
    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
};

}  // namespace dsp::test
