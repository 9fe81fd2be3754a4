// `simulate-unit COMn` in the Windows build: the simulator on a serial port
// (there are no pseudo-terminals, so no --pty). The port's input queue is
// looked at every kLookMs, between waits for Ctrl+C (the end) and Ctrl+Break
// (the state table): the same pace at which the serial device itself watches
// ports whose driver cannot wait for line events.

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "main/cli/frame_command.h"
#include "main/cli/simulate_command.h"
#include "main/sim/unit_simulator.h"
#include "platform/serialdev/permission_advice.h"
#include "platform/serialdev/port_map.h"
#include "platform/serialdev/routed_device_factory.h"
#include "platform/serialdev/signal_watch.h"
#include "platform/sys/waitable.h"

namespace dsp {
namespace {

constexpr std::string_view kUsage = "usage: dsp-panel simulate-unit COMn\n";
constexpr int kLookMs = 20;

// Reads what the port holds; 0 or the device's error.
int Drain(SerialDevice& device, UnitSimulator& sim) {
    std::array<std::uint8_t, 512> buffer;
    for (;;) {
        int pending = 0;
        if (int e = device.PendingInput(&pending); e != 0 || pending == 0) return e;
        std::size_t got = 0;
        const std::size_t want = std::min<std::size_t>(std::size_t(pending), buffer.size());
        if (int e = device.Read(buffer.data(), want, &got); e != 0) return e;
        sim.Feed(std::span(buffer.data(), got));
        if (got == 0) return 0;
    }
}

// Runs until an end request; false when the port failed.
bool Simulate(SerialDevice& device, UnitSimulator& sim, SignalWatch& signals, std::ostream& err) {
    const Waitable requests = signals.Handle();
    std::vector<bool> ready;
    for (;;) {
        if (int e = Drain(device, sim); e != 0) {
            err << "dsp-panel: simulate-unit: reading the line failed: " << DeviceErrorText(e) << '\n';
            return false;
        }
        if (WaitAny(std::span(&requests, 1), kLookMs, ready) != 0 || !ready[0]) continue;
        for (int signo; (signo = signals.Take()) != 0;) {
            if (SignalWatch::IsStatusRequest(signo)) sim.PrintState();
            if (SignalWatch::IsEndRequest(signo)) return true;
        }
    }
}

}  // namespace

int RunSimulateCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--pty") {
        err << "dsp-panel: simulate-unit --pty: Windows has no pseudo-terminals; give a COM port\n";
        return kExitBadParameter;
    }
    if (args.size() != 1 || args[0].empty() || args[0].substr(0, 2) == "--") {
        err << kUsage;
        return kExitBadParameter;
    }
    SignalWatch signals;
    if (signals.Error() != 0) {
        err << "dsp-panel: cannot watch Ctrl+C: " << DeviceErrorText(signals.Error()) << '\n';
        return 1;
    }
    const std::string name(args[0]);
    std::unique_ptr<SerialDevice> device = RoutedDeviceFactory(PortMap::FromUserConfig())(name);
    int e = device->Open(name);
    if (e == 0) e = device->SetLine(SerialLineSettings{});  // 9600 8N1, no flow control
    if (e == 0) e = device->SetTimeouts(SerialTimeouts{});  // reads take what is there
    if (e != 0) {
        err << "dsp-panel: cannot open " << name << ": " << OpenFailureReason(name, e) << '\n';
        return 1;
    }
    UnitSimulator sim(out);
    const bool ok = Simulate(*device, sim, signals, err);
    sim.PrintState();
    return ok ? 0 : 1;
}

}  // namespace dsp
