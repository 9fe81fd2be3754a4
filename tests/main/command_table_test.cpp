#include "main/protocol/command_table.h"

#include <gtest/gtest.h>

#include <set>

#include "main/protocol/frame.h"

namespace dsp {
namespace {

std::string Hex(std::string_view param, std::string_view value) {
    const CommandRow* command = FindCommand(param);
    if (!command) return "no such parameter";
    auto parsed = ParseCommandValue(*command, value);
    if (!parsed) return "refused";
    return FrameToHex(BuildFrame(command->code, *parsed));
}

TEST(CommandTable, HoldsExactlyTheTwentySevenCodesInOrder) {
    const std::set<int> expected = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
                                    0x09, 0x0A, 0x0B, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12,
                                    0x13, 0x14, 0x15, 0x1A, 0x1B, 0x21, 0x22, 0x30, 0x31};
    std::set<int> seen;
    int previous = -1;
    for (const CommandRow& command : CommandTable()) {
        EXPECT_GT(command.code, previous);
        previous = command.code;
        seen.insert(command.code);
        EXPECT_FALSE(command.senders.empty()) << command.name;
        EXPECT_LE(command.minValue, command.maxValue) << command.name;
        if (!command.items.empty()) {
            EXPECT_EQ(command.items.size(), static_cast<std::size_t>(command.maxValue + 1)) << command.name;
        }
        if (command.encoding == Encoding::FixedPerButton) {
            EXPECT_EQ(command.senders.size(), command.items.size()) << command.name;
        }
    }
    EXPECT_EQ(seen, expected);
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(FindCommand(code) != nullptr, expected.contains(code)) << code;
    }
}

TEST(CommandTable, EveryCodeBuildsItsFrameAtBothEndsOfItsRange) {
    for (const CommandRow& command : CommandTable()) {
        for (int value : {command.minValue, command.maxValue}) {
            Frame frame = BuildFrame(command.code, value);
            EXPECT_EQ(frame, (Frame{0x80, command.code, static_cast<std::uint8_t>(value), 0xA0}));
        }
        EXPECT_FALSE(ParseCommandValue(command, std::to_string(command.maxValue + 1))) << command.name;
        EXPECT_FALSE(ParseCommandValue(command, std::to_string(command.minValue - 1))) << command.name;
    }
}

TEST(CommandTable, MarkerValuesInsideTheValueByteGoOutUnchanged) {
    EXPECT_EQ(Hex("DELAY", "128"), "80 00 80 A0");
    EXPECT_EQ(Hex("SW-FREQ", "160"), "80 10 A0 A0");
    EXPECT_EQ(Hex("0x13", "31"), "80 13 1F A0");
    EXPECT_EQ(Hex("19", "31"), "80 13 1F A0");
}

TEST(CommandTable, ListParametersTakeTheirItemTexts) {
    EXPECT_EQ(Hex("KEY", "b-5"), "80 1B 00 A0");
    EXPECT_EQ(Hex("KEY", "0"), "80 1B 05 A0");  // the item "0", no key change
    EXPECT_EQ(Hex("KEY", "#+5"), "80 1B 0A A0");
    EXPECT_EQ(Hex("INPUT", "AUTO"), "80 1A 04 A0");
    EXPECT_EQ(Hex("input", "bgm"), "80 1A 00 A0");
    EXPECT_EQ(Hex("MUSIC-IN", "L-R"), "80 0F 02 A0");
    EXPECT_EQ(Hex("AUX", "MIC+MUSIC"), "80 0E 02 A0");
    EXPECT_EQ(Hex("CENTER", "MIC"), "80 0D 01 A0");
    EXPECT_EQ(Hex("FB-EX", "3"), "80 08 03 A0");
}

TEST(CommandTable, ToneAndMemoryEdges) {
    EXPECT_EQ(Hex("MUSIC-BASS", "0"), "80 09 00 A0");
    EXPECT_EQ(Hex("MUSIC-BASS", "10"), "80 09 0A A0");
    EXPECT_EQ(FindCommand("MUSIC-BASS")->readout, Readout::ValueMinus10);
    EXPECT_EQ(Hex("LOAD", "10"), "80 30 0A A0");
    EXPECT_EQ(Hex("SAVE", "6"), "80 31 06 A0");
    EXPECT_EQ(Hex("SAVE", "7"), "refused");
    EXPECT_EQ(Hex("MIC-VOL", "43"), "refused");
    EXPECT_EQ(Hex("MUSIC-VOL-MAX", "19"), "refused");
}

TEST(CommandTable, RefusesUnknownCodesAndMalformedValues) {
    EXPECT_EQ(Hex("0x0C", "1"), "no such parameter");
    EXPECT_EQ(Hex("0x32", "1"), "no such parameter");
    EXPECT_EQ(Hex("NOPE", "1"), "no such parameter");
    EXPECT_EQ(Hex("MAIN-VOL", ""), "refused");
    EXPECT_EQ(Hex("MAIN-VOL", "3x"), "refused");
    EXPECT_EQ(Hex("MAIN-VOL", "-1"), "refused");
    EXPECT_EQ(Hex("MAIN-VOL", "99999999999999"), "refused");
    EXPECT_EQ(Hex("KEY", "b-6"), "refused");
}

TEST(CommandTable, FormattedValuesReadBackAsTheSameValue) {
    for (const CommandRow& command : CommandTable()) {
        for (int v = command.minValue; v <= command.maxValue; ++v) {
            EXPECT_EQ(ParseCommandValue(command, FormatCommandValue(command, v)), v) << command.name << v;
        }
    }
}

}  // namespace
}  // namespace dsp
