// The simulator's loop over a descriptor (Linux).

#include <array>
#include <cerrno>
#include <vector>

#include "main/sim/unit_simulator.h"
#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/signal_watch.h"
#include "platform/serialdev/stop_signal.h"

namespace dsp {
namespace {

// While no peer holds the other end, a pty master reports a hang-up without
// end; it is then looked at this often instead of being waited on.
constexpr int kPeerProbeMs = 100;

enum class LinkState { Data, Quiet, HungUp, Failed };

// Reads what the link holds and reports what it found.
LinkState ReadLink(int fd, UnitSimulator& sim) {
    FdWaitItem probe{fd};
    if (WaitForInput(std::span(&probe, 1), 0) != 0) return LinkState::Failed;
    if (probe.readable) {
        std::array<std::uint8_t, 512> buffer;
        std::size_t got = 0;
        int e = ReadAvailable(fd, buffer.data(), buffer.size(), &got);
        if (got > 0) {
            sim.Feed(std::span(buffer.data(), got));
            return LinkState::Data;
        }
        if (e == 0) return LinkState::Quiet;
        if (e != EPIPE) return LinkState::Failed;
        return LinkState::HungUp;
    }
    return probe.hangup ? LinkState::HungUp : LinkState::Quiet;
}

}  // namespace

SimulatorEnd UnitSimulator::Run(int linkFd, const SimulatorOptions& options, const StopSignal* stop,
                                SignalWatch* signals) {
    bool peerSeen = !options.waitForPeer;
    bool linkQuiet = false;  // hung up with no peer: probe instead of waiting on it
    for (;;) {
        std::vector<FdWaitItem> items;
        if (stop) items.push_back({stop->Fd()});
        if (signals) items.push_back({signals->Fd()});
        if (!linkQuiet) items.push_back({linkFd});
        if (WaitForInput(items, linkQuiet ? kPeerProbeMs : -1) != 0) return SimulatorEnd::Failed;
        if (stop && items[0].readable) {
            // Frames already on the line are still shown.
            while (ReadLink(linkFd, *this) == LinkState::Data) {
            }
            return SimulatorEnd::Stopped;
        }
        if (signals && items[stop ? 1 : 0].readable) {
            for (int signo; (signo = signals->Take()) != 0;) {
                if (SignalWatch::IsStatusRequest(signo)) PrintState();
                if (SignalWatch::IsEndRequest(signo)) return SimulatorEnd::Signalled;
            }
        }
        switch (ReadLink(linkFd, *this)) {
            case LinkState::Data:
                peerSeen = true;
                linkQuiet = false;
                break;
            case LinkState::Quiet:
                peerSeen = true;  // the other end is open
                linkQuiet = false;
                break;
            case LinkState::HungUp:
                if (peerSeen && options.endOnPeerClose) return SimulatorEnd::PeerClosed;
                peerSeen = false;
                linkQuiet = true;
                break;
            case LinkState::Failed:
                return SimulatorEnd::Failed;
        }
    }
}

}  // namespace dsp
