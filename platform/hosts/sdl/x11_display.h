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

// Whether an X server answers on `display` (":1"). Asked before SDL starts,
// so that a dead display costs nothing but the failed connection.
bool X11DisplayAnswers(const std::string& display);

// `onLost` runs once, on the thread whose X call found the break; the process
// then ends with status 1. An empty function gives Xlib its own handler back.
void HandleDisplayLoss(std::function<void()> onLost);

}  // namespace dsp
