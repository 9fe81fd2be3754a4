// The unit simulator: decoding with re-synchronisation, the state it keeps,
// its run loop over a pseudo-terminal, and the line that feeds it in-process.

#include "main/sim/unit_simulator.h"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

#include "main/sim/frame_decoder.h"
#include "main/sim/simulated_line.h"
#include "platform/serialdev/pty_pair.h"
#include "platform/serialdev/stop_signal.h"
#include "serial/com_port.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Frame> DecodeInChunks(const Bytes& stream, std::size_t chunk, std::uint64_t* skipped) {
    FrameDecoder decoder;
    std::vector<Frame> frames;
    for (std::size_t i = 0; i < stream.size(); i += chunk)
        decoder.Feed(std::span(stream).subspan(i, std::min(chunk, stream.size() - i)), frames);
    *skipped = decoder.SkippedBytes();
    return frames;
}

TEST(FrameDecoder, FindsEveryFrameAmongGarbageHoweverTheBytesArrive) {
    // Garbage before, between and after the frames, including lone markers;
    // values 0x80 and 0xA0 inside frames.
    Bytes stream = {0x00, 0xA0, 0x80, 0x80, 0x13, 0x1F, 0xA0,  // 3 garbage, MAIN-VOL 31
                    0x80, 0x00, 0x80, 0xA0,                    // DELAY 128
                    0x55, 0x80, 0x12,                          // 3 garbage
                    0x80, 0x10, 0xA0, 0xA0,                    // SW-FREQ 160
                    0x80, 0x0C, 0x0C, 0xA0,                    // unknown code
                    0xA0, 0x80};                               // trailing garbage, lone start
    std::vector<Frame> expected = {BuildFrame(0x13, 31), BuildFrame(0x00, 128), BuildFrame(0x10, 160),
                                   BuildFrame(0x0C, 12)};
    for (std::size_t chunk : {1u, 2u, 3u, 4u, 5u, 7u, 64u}) {
        std::uint64_t skipped = 0;
        EXPECT_EQ(DecodeInChunks(stream, chunk, &skipped), expected) << "chunk " << chunk;
        EXPECT_EQ(skipped, 7u) << "chunk " << chunk;
    }
}

TEST(UnitState, DescribesFramesAndKeepsValuesAndMemories) {
    EXPECT_EQ(DescribeFrame(BuildFrame(0x13, 31)), "MAIN-VOL 31");
    EXPECT_EQ(DescribeFrame(BuildFrame(0x1B, 0)), "KEY b-5");
    EXPECT_EQ(DescribeFrame(BuildFrame(0x0C, 12)), "UNKNOWN 0x0C 12");
    EXPECT_EQ(DescribeFrame(BuildFrame(0x13, 200)), "MAIN-VOL 200 (out of range)");

    UnitState state;
    state.Apply(BuildFrame(0x13, 31));
    state.Apply(BuildFrame(0x31, 2));  // save into memory 2
    state.Apply(BuildFrame(0x13, 5));
    state.Apply(BuildFrame(0x1B, 7));
    state.Apply(BuildFrame(0x30, 4));  // load an empty memory: nothing changes
    EXPECT_EQ(state.Value(0x13), 5);
    state.Apply(BuildFrame(0x30, 2));  // load memory 2
    EXPECT_EQ(state.Value(0x13), 31);
    EXPECT_FALSE(state.Value(0x1B).has_value());
    state.Apply(BuildFrame(0x0C, 1));
    EXPECT_EQ(state.FrameCount(), 7u);
    EXPECT_EQ(state.UnknownCount(), 1u);

    std::ostringstream table;
    state.PrintTable(table, 3);
    EXPECT_NE(table.str().find("\n  MAIN-VOL 31\n"), std::string::npos) << table.str();
    EXPECT_NE(table.str().find("\n  KEY -\n"), std::string::npos);
    EXPECT_NE(table.str().find("\n  LOAD 2\n"), std::string::npos);
    EXPECT_NE(table.str().find("frames 7, unknown 1, skipped bytes 3"), std::string::npos);
}

TEST(UnitSimulator, RunsUntilThePeerClosesPrintingEachFrame) {
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    std::ostringstream out;
    UnitSimulator sim(out);
    SimulatorOptions options;
    options.waitForPeer = true;
    SimulatorEnd end = SimulatorEnd::Failed;
    std::thread runner([&] { end = sim.Run(pty.MasterFd(), options, nullptr, nullptr); });

    TComPort port;
    port.SetPort(pty.SlavePath());
    port.OpenPort();
    Bytes stream = {0x80, 0x13, 0x1F, 0xA0, 0xFF, 0x00, 0x80, 0x1B, 0x00, 0xA0, 0x80, 0x0C, 0x0C, 0xA0};
    port.SendBytes(stream.data(), static_cast<int>(stream.size()));
    port.ClosePort();
    runner.join();
    EXPECT_EQ(end, SimulatorEnd::PeerClosed);
    EXPECT_EQ(out.str(), "MAIN-VOL 31\nKEY b-5\nUNKNOWN 0x0C 12\n");
    EXPECT_EQ(sim.Decoder().SkippedBytes(), 2u);
}

TEST(UnitSimulator, InsideTheProgramItOutlivesThePeerUntilStopped) {
    PtyPair pty;
    ASSERT_EQ(pty.Create(), 0);
    std::ostringstream out;
    UnitSimulator sim(out);
    StopSignal stop;
    SimulatorOptions options{.waitForPeer = true, .endOnPeerClose = false};
    SimulatorEnd end = SimulatorEnd::Failed;
    std::thread runner([&] { end = sim.Run(pty.MasterFd(), options, &stop, nullptr); });

    for (int value : {1, 2}) {  // connect, send, disconnect, twice
        TComPort port;
        port.SetPort(pty.SlavePath());
        port.OpenPort();
        Frame frame = BuildFrame(0x12, value);
        port.SendBytes(frame.data(), 4);
        port.ClosePort();
    }
    stop.Signal();  // what is already on the line is still read

    runner.join();
    EXPECT_EQ(end, SimulatorEnd::Stopped);
    EXPECT_EQ(out.str(), "AUX-VOL 1\nAUX-VOL 2\n");
}

// The in-process line under the real port component: every frame the port
// writes is printed, and closing the port stops its monitoring thread (whose
// wait on a line that never has events must still end).
TEST(SimulatedLine, ThePortsFramesArePrintedAndTheMonitorStopsOnClose) {
    std::ostringstream out;
    UnitSimulator sim(out);
    TComPort port;
    port.SetDeviceFactory([&](const std::string&) { return std::make_unique<SimulatedLine>(sim); });
    port.SetPort("COM1");
    for (int value : {7, 8}) {
        port.OpenPort();
        Frame frame = BuildFrame(0x12, value);
        port.SendBytes(frame.data(), 4);
        port.ClosePort();
    }
    EXPECT_EQ(out.str(), "AUX-VOL 7\nAUX-VOL 8\n");
    EXPECT_EQ(sim.State().FrameCount(), 2u);
}

}  // namespace
}  // namespace dsp
