#pragma once
// The effects-unit simulator: reads the line, decodes frames, prints one line
// per frame and keeps the unit's state. It runs over any descriptor (a pty
// master, or a serial device it opened), in its own program
// (`dsp-panel simulate-unit`) or on a thread inside the panel.

#include <cstdint>
#include <iosfwd>
#include <span>

#include "main/sim/frame_decoder.h"
#include "main/sim/unit_state.h"

namespace dsp {

class StopSignal;
class SignalWatch;

struct SimulatorOptions {
    // The line starts without a peer (a fresh pty): hang-ups are waited out
    // until someone opens the other end.
    bool waitForPeer = false;
    // End when the peer that was there closes its end.
    bool endOnPeerClose = true;
};

enum class SimulatorEnd { PeerClosed, Stopped, Signalled, Failed };

class UnitSimulator {
public:
    explicit UnitSimulator(std::ostream& out) : out_(out) {}

    // Decodes bytes and prints a line per complete frame, flushed at once.
    void Feed(std::span<const std::uint8_t> bytes);
    void PrintState();

    // Runs until `stop` is signalled, an end signal arrives on `signals`
    // (SIGUSR1 prints the state and goes on), or the peer closes. Either of
    // `stop` and `signals` may be null.
    SimulatorEnd Run(int linkFd, const SimulatorOptions& options, const StopSignal* stop, SignalWatch* signals);

    const UnitState& State() const { return state_; }
    const FrameDecoder& Decoder() const { return decoder_; }

private:
    std::ostream& out_;
    FrameDecoder decoder_;
    UnitState state_;
};

} // namespace dsp
