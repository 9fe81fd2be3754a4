#pragma once
// Lines read from a descriptor (the headless driver's standard input) while
// a second descriptor may end the reading: a signal watch, so that a request
// to end is seen even while the program waits for its next command.

#include <optional>
#include <string>

namespace dsp {

class LineInput {
  public:
    LineInput(int fd, int stopFd) : fd_(fd), stopFd_(stopFd) {}

    // The next line without its newline (a last line without one counts);
    // nullopt at the end of the input, on a read error, or once stopFd is
    // readable (lines read but not yet handed out are dropped then).
    std::optional<std::string> Next();
    bool Stopped() const { return stopped_; }

  private:
    std::optional<std::string> TakeLine();

    int fd_;
    int stopFd_;
    std::string buffer_;
    bool ended_ = false;
    bool stopped_ = false;
};

}  // namespace dsp
