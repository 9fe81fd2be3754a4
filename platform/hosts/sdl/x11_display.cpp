#include "platform/hosts/sdl/x11_display.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <utility>

namespace dsp {
namespace {

// Xlib's handler takes no context of its own, so the one we run sits here;
// the process has one display connection.
std::function<void()> lostHandler;
XIOErrorHandler xlibHandler = nullptr;

int DisplayLost(Display*) {
    std::function<void()> handler = std::exchange(lostHandler, {});
    if (handler) handler();
    std::_Exit(1);
}

}  // namespace

X11DisplayProbe::X11DisplayProbe(const std::string& display) : connection_(XOpenDisplay(display.c_str())) {}

X11DisplayProbe::~X11DisplayProbe() {
    if (connection_) XCloseDisplay(static_cast<Display*>(connection_));
}

void X11Sync(void* display) {
    if (display != nullptr) XSync(static_cast<Display*>(display), False);
}

void HandleDisplayLoss(std::function<void()> onLost) {
    if (onLost) {
        XIOErrorHandler previous = XSetIOErrorHandler(&DisplayLost);
        if (previous != &DisplayLost) xlibHandler = previous;
        lostHandler = std::move(onLost);
        return;
    }
    lostHandler = {};
    XSetIOErrorHandler(xlibHandler);
    xlibHandler = nullptr;
}

}  // namespace dsp
