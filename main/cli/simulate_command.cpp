#include "main/cli/simulate_command.h"

#include <cstring>
#include <ostream>
#include <string>

#include "main/cli/frame_command.h"
#include "main/sim/unit_simulator.h"
#include "platform/serialdev/port_map.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/signal_watch.h"
#include "platform/serialdev/termios_device.h"

namespace dsp {
namespace {

constexpr std::string_view kUsage = "usage: dsp-panel simulate-unit [--pty | DEVICE]\n";

int Finish(UnitSimulator& sim, SimulatorEnd end, std::ostream& err) {
    sim.PrintState();
    if (end == SimulatorEnd::Failed) {
        err << "dsp-panel: simulate-unit: reading the line failed\n";
        return 1;
    }
    return 0;
}

int RunOnPty(UnitSimulator& sim, SignalWatch& signals, std::ostream& out, std::ostream& err) {
    PtyPair pty;
    if (int e = pty.Create(); e != 0) {
        err << "dsp-panel: cannot create a pseudo-terminal: " << std::strerror(e) << '\n';
        return 1;
    }
    out << pty.SlavePath() << '\n' << std::flush;
    SimulatorOptions options;
    options.waitForPeer = true;
    return Finish(sim, sim.Run(pty.MasterFd(), options, nullptr, &signals), err);
}

int RunOnDevice(UnitSimulator& sim, SignalWatch& signals, std::string_view name, std::ostream& err) {
    TermiosSerialDevice device(PortMap::FromUserConfig());
    int e = device.Open(std::string(name));
    if (e == 0) e = device.SetLine(SerialLineSettings{}); // 9600 8N1, no flow control
    if (e != 0) {
        err << "dsp-panel: cannot open " << name << ": " << std::strerror(e) << '\n';
        return 1;
    }
    return Finish(sim, sim.Run(device.NativeHandle(), SimulatorOptions{}, nullptr, &signals), err);
}

} // namespace

int RunSimulateCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || (args[0].substr(0, 2) == "--" && args[0] != "--pty")) {
        err << kUsage;
        return kExitBadParameter;
    }
    // Before anything else, so the signals are read from the loop, not delivered.
    SignalWatch signals;
    if (signals.Error() != 0) {
        err << "dsp-panel: cannot watch signals: " << std::strerror(signals.Error()) << '\n';
        return 1;
    }
    UnitSimulator sim(out);
    if (args[0] == "--pty") return RunOnPty(sim, signals, out, err);
    return RunOnDevice(sim, signals, args[0], err);
}

} // namespace dsp
