#pragma once
// LinkKeeper: what the window does with --reconnect when its open port goes
// away (an adapter unplugged, a network connection dropped): it says so on
// the diagnostics stream, and the window retries opening the port every
// second until it is back. While the link is away the controls keep working
// but nothing is sent, and nothing is kept to be sent later: the changes of
// that time are not replayed when the link comes back.
//
// The keeper holds only the state and the lines; the window owns the timer
// and the port.

#include <functional>
#include <iosfwd>
#include <string>

namespace dsp {

class LinkKeeper {
  public:
    explicit LinkKeeper(std::ostream* log) : log_(log) {}

    bool Away() const { return away_; }

    // The port went away. Says so and turns Away on; false when it already was.
    bool Lost(const std::string& port, const std::string& reason);
    // One attempt: `open` throws when the port cannot be opened. True when it
    // is back (Away turns off). A failure is told once per different reason.
    bool Retry(const std::function<void()>& open);
    // The operator disconnected while the link was away: no more retries.
    void Stop();

  private:
    void Say(const std::string& text);

    std::ostream* log_;
    bool away_ = false;
    std::string port_;
    std::string lastFailure_;
};

}  // namespace dsp
