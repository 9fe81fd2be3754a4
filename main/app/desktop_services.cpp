// The panel's desktop on Linux: SDL windows, and the unit simulator on a
// pseudo-terminal.

#include "main/app/desktop_services.h"

#include <ostream>
#include <thread>

#include "main/panel/form1.h"
#include "main/sim/unit_simulator.h"
#include "platform/framework/headless_host.h"
#include "platform/hosts/sdl/sdl_host.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/sys/process_env.h"

namespace dsp {
namespace {

// The desktop matches the window to dsp-panel.desktop by this name
// (StartupWMClass there).
constexpr std::string_view kWindowClass = "dsp-panel";

}  // namespace

struct Simulation::Impl {
    PtyPair pty_;
    StopSignal stop_;
    std::unique_ptr<UnitSimulator> simulator_;
    std::thread thread_;
};

Simulation::Simulation() : impl_(std::make_unique<Impl>()) {}

bool Simulation::Start(std::ostream& out, std::ostream& err) {
    Impl& s = *impl_;
    if (const int error = s.pty_.Create(); error != 0 || s.stop_.Error() != 0) {
        err << "dsp-panel: cannot create a pseudo-terminal for the simulator (errno " << error << ")\n";
        return false;
    }
    s.simulator_ = std::make_unique<UnitSimulator>(out);
    s.thread_ = std::thread([&s] {
        s.simulator_->Run(s.pty_.MasterFd(), SimulatorOptions{.waitForPeer = true, .endOnPeerClose = false},
                          &s.stop_, nullptr);
    });
    return true;
}

const std::string& Simulation::DevicePath() const { return impl_->pty_.SlavePath(); }

SerialDeviceFactory Simulation::Devices(SerialDeviceFactory routed) const { return routed; }

Simulation::~Simulation() {
    impl_->stop_.Signal();
    if (impl_->thread_.joinable()) impl_->thread_.join();
}

std::unique_ptr<WindowHost> OpenHost(bool headless, std::ostream& err) {
    if (headless) return std::make_unique<HeadlessHost>();
    // Without a display the video library would fall back to drawing nowhere.
    if (EnvironmentVariable("DISPLAY").empty() && EnvironmentVariable("WAYLAND_DISPLAY").empty() &&
        EnvironmentVariable("SDL_VIDEODRIVER").empty()) {
        err << "dsp-panel: no display (DISPLAY is not set); run `dsp-panel --headless` to drive the panel "
               "without one\n";
        return nullptr;
    }
    try {
        return std::make_unique<SdlHost>(std::string(kWindowClass));
    } catch (const std::exception& error) {
        err << "dsp-panel: " << error.what()
            << "; run `dsp-panel --headless` to drive the panel without a display\n";
        return nullptr;
    }
}

void EndWithTheDisplay(WindowHost& host, TForm1& form, std::ostream& out, std::ostream& err) {
    auto* sdl = dynamic_cast<SdlHost*>(&host);
    if (!sdl) return;
    sdl->OnDisplayLost = [&form, &out, &err](const std::string& display) {
        try {
            form.ComPort1.ClosePort();
        } catch (const std::exception&) {  // the program ends either way
        }
        out.flush();
        err << "dsp-panel: lost the connection to the display " << display
            << "; the port is closed and the panel ends" << std::endl;
    };
}

}  // namespace dsp
