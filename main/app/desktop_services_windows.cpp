// The panel's desktop in the Windows build. Its window host is still to come
// (until then the panel runs with --headless), and the unit simulator needs a
// line pair that Windows does not make (there are no pseudo-terminals).

#include <ostream>

#include "main/app/desktop_services.h"
#include "platform/framework/headless_host.h"

namespace dsp {

struct Simulation::Impl {
    std::string devicePath;
};

Simulation::Simulation() : impl_(std::make_unique<Impl>()) {}
Simulation::~Simulation() = default;

bool Simulation::Start(std::ostream&, std::ostream& err) {
    err << "dsp-panel: --simulate needs a pseudo-terminal, which Windows does not have; run "
           "`dsp-panel simulate-unit` on a Linux machine at the other end of a null-modem line instead\n";
    return false;
}

const std::string& Simulation::DevicePath() const { return impl_->devicePath; }

std::unique_ptr<WindowHost> OpenHost(bool headless, std::ostream& err) {
    if (headless) return std::make_unique<HeadlessHost>();
    err << "dsp-panel: this Windows build has no window yet; run `dsp-panel --headless` to drive the panel\n";
    return nullptr;
}

void EndWithTheDisplay(WindowHost&, TForm1&, std::ostream&, std::ostream&) {}

}  // namespace dsp
