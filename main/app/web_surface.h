#pragma once
// `--web`: the web remote's page and WebSocket, following the window's change
// bus; its addresses with their tokens go to stderr, and the system menu
// shows the one that may change the panel. web_surface.cpp has it;
// the Windows build, which has no web server, only says so
// (web_surface_windows.cpp).

#include <iosfwd>
#include <memory>
#include <string_view>

namespace dsp {

class TApplication;
class TForm1;

class WebSurface {
  public:
    WebSurface();
    ~WebSurface();
    WebSurface(const WebSurface&) = delete;
    WebSurface& operator=(const WebSurface&) = delete;

    // Whether `listen` ([ADDR:]PORT) can be served; the reason on `err` when
    // not. Checked at start, before anything else opens.
    static bool Accepts(std::string_view listen, std::ostream& err);

    // Serves on `listen`; false, with the reason on `err`, when it cannot.
    bool Start(TApplication& app, TForm1& form, std::string_view listen, std::ostream& err);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace dsp
