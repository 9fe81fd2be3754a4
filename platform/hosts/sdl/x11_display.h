#pragma once
// The X display connection as the SDL host needs it beside SDL.
//
// Xlib ends the process by itself when the connection to the display breaks
// (the X server died or was reset), after printing a line of its own. This
// puts a handler of ours in its place. The process still ends after the
// handler, with status 1: Xlib cannot go on over a broken connection, and
// nothing may unwind through it.

#include <functional>
#include <string>

namespace dsp {

// A connection to `display` (":1") made before SDL starts, so that a dead
// display costs nothing but the failed connection. It is held until SDL has
// its own: an X server with no clients left may reset itself, and would turn
// SDL away while it does.
class X11DisplayProbe {
  public:
    explicit X11DisplayProbe(const std::string& display);
    ~X11DisplayProbe();
    X11DisplayProbe(const X11DisplayProbe&) = delete;
    X11DisplayProbe& operator=(const X11DisplayProbe&) = delete;

    bool Answers() const { return connection_ != nullptr; }

  private:
    void* connection_ = nullptr;  // the Xlib Display
};

// Waits until the X server has handled every request sent on `display` (the
// Xlib Display*), pictures included.
void X11Sync(void* display);

// `onLost` runs once, on the thread whose X call found the break; the process
// then ends with status 1. An empty function gives Xlib its own handler back.
void HandleDisplayLoss(std::function<void()> onLost);

}  // namespace dsp
