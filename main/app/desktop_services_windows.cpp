// The panel's desktop in the Windows build: Win32 windows, and the unit
// simulator on a line inside the process (Windows makes no pseudo-terminals).

#include <ostream>

#include "main/app/desktop_services.h"
#include "main/sim/simulated_line.h"
#include "main/sim/unit_simulator.h"
#include "platform/framework/headless_host.h"
#include "platform/hosts/win32/win32_host.h"

namespace dsp {
namespace {

// The class of the program's windows (what tools that look for the window
// by class find it by).
constexpr std::string_view kWindowClass = "dsp-panel";

// The port component asks for "\\.\COM1"; the name may come in any case.
bool IsCom1(std::string_view name) {
    if (name.starts_with("\\\\.\\")) name.remove_prefix(4);
    return name.size() == 4 && (name[0] | 0x20) == 'c' && (name[1] | 0x20) == 'o' &&
           (name[2] | 0x20) == 'm' && name[3] == '1';
}

}  // namespace

struct Simulation::Impl {
    std::unique_ptr<UnitSimulator> simulator;
    std::string devicePath;  // none: the line is in the process
};

Simulation::Simulation() : impl_(std::make_unique<Impl>()) {}
Simulation::~Simulation() = default;

bool Simulation::Start(std::ostream& out, std::ostream&) {
    impl_->simulator = std::make_unique<UnitSimulator>(out);
    return true;
}

const std::string& Simulation::DevicePath() const { return impl_->devicePath; }

SerialDeviceFactory Simulation::Devices(SerialDeviceFactory routed) const {
    UnitSimulator* simulator = impl_->simulator.get();
    if (!simulator) return routed;
    return [simulator, routed = std::move(routed)](const std::string& name) -> std::unique_ptr<SerialDevice> {
        if (IsCom1(name)) return std::make_unique<SimulatedLine>(*simulator);
        return routed(name);
    };
}

std::unique_ptr<WindowHost> OpenHost(bool headless, std::ostream& err) {
    if (headless) return std::make_unique<HeadlessHost>();
    try {
        return std::make_unique<Win32Host>(std::string(kWindowClass));
    } catch (const std::exception& error) {
        err << "dsp-panel: " << error.what() << "\n";
        return nullptr;
    }
}

void EndWithTheDisplay(WindowHost&, TForm1&, std::ostream&, std::ostream&) {}

}  // namespace dsp
