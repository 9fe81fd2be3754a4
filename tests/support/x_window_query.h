#pragma once
// Looking at windows of a private X display from outside, with xdotool,
// xprop and xwininfo: find a window by its title, read its geometry and
// properties, tell whether a window manager runs there.

#include <chrono>
#include <string>
#include <vector>

namespace dsp::test {

struct Geometry {
    int x = -1, y = -1, width = 0, height = 0;
    int CentreX() const { return x + width / 2; }
    int CentreY() const { return y + height / 2; }
    friend bool operator==(const Geometry&, const Geometry&) = default;
};

// The id of the first window whose title matches `title` (an xdotool
// pattern), or "" when none appeared in time (a loaded machine may take a
// while to start a program).
std::string WaitForWindow(const std::string& title, const std::vector<std::string>& env,
                          std::chrono::milliseconds limit = std::chrono::seconds(15));

// The window's position on the screen and its size.
Geometry WindowGeometry(const std::string& id, const std::vector<std::string>& env);

// xprop's lines for the given properties of window `id` ("root": the root).
std::string WindowProperties(const std::string& id, const std::vector<std::string>& properties,
                             const std::vector<std::string>& env);

// Whether the window is mapped and viewable (xwininfo's map state).
bool WindowViewable(const std::string& id, const std::vector<std::string>& env);

// Whether a window manager runs: the root's _NET_SUPPORTING_WM_CHECK names
// a window that names itself.
bool WindowManagerRuns(const std::vector<std::string>& env);

}  // namespace dsp::test
