#pragma once
// Lines read from a descriptor (the headless driver's standard input) while
// a waitable may end the reading: a signal watch, so that a request to end
// is seen even while the program waits for its next command. On Windows,
// where a pipe or console cannot be waited on beside an event, a thread of
// its own reads the input (started by the first Next).

#include <memory>
#include <optional>
#include <string>

#include "platform/sys/waitable.h"

namespace dsp {

class LineInput {
  public:
    LineInput(int fd, Waitable stop) : fd_(fd), stop_(stop) {}
    ~LineInput();
    LineInput(const LineInput&) = delete;
    LineInput& operator=(const LineInput&) = delete;

    // The next line without its newline (nor a carriage return before it; a
    // last line without one counts); nullopt at the end of the input, on a
    // read error, or once `stop` is signalled (lines read but not yet handed
    // out are dropped then).
    std::optional<std::string> Next();
    bool Stopped() const { return stopped_; }

  private:
    std::optional<std::string> TakeLine();
    // Waits for more input or the stop, appending what came to buffer_.
    void Fill();

    int fd_;
    Waitable stop_;
    std::string buffer_;
    bool ended_ = false;
    bool stopped_ = false;
#if defined(_WIN32)
    struct Feed;
    std::shared_ptr<Feed> feed_;
#endif
};

}  // namespace dsp
