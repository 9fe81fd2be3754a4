// The OSC reader and writer: what the writer puts out reads back the same,
// known bytes read as they should, and every damaged packet is refused whole.

#include <gtest/gtest.h>

#include "main/remote/osc_reader.h"
#include "main/remote/osc_writer.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes U32(std::uint32_t v) {
    return {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
}

std::vector<OscMessage> Read(const Bytes& packet, std::string_view expectedError = {}) {
    std::vector<OscMessage> messages;
    EXPECT_EQ(ReadOscPacket(packet, messages), expectedError);
    return messages;
}

TEST(OscCodecTest, KnownBytesOfAMessageReadAndWriteAlike) {
    // "/dsp/main-vol" (13 chars + 3 zeros), ",i" (2 + 2 zeros), 31 big-endian.
    const Bytes wire = {'/', 'd', 's', 'p', '/', 'm', 'a', 'i', 'n', '-', 'v', 'o',
                        'l', 0,   0,   0,   ',', 'i', 0,   0,   0,   0,   0,   31};
    const OscMessage message{"/dsp/main-vol", {31}};
    EXPECT_EQ(WriteOscMessage(message), wire);
    EXPECT_EQ(Read(wire), std::vector{message});
    // 0.5f is 0x3F000000; a string of exactly four characters takes four zeros.
    EXPECT_EQ(
        WriteOscMessage({"/a", {0.5f, std::string("norm")}}),
        Concat({{'/', 'a', 0, 0, ',', 'f', 's', 0}, U32(0x3F000000), {'n', 'o', 'r', 'm', 0, 0, 0, 0}}));
}

TEST(OscCodecTest, BundlesReadBackFlatAndInOrder) {
    const std::vector<OscMessage> inner = {{"/dsp/key", {std::string("b-5")}}, {"/dsp/dump", {}}};
    const Bytes innerBundle = WriteOscBundle(inner);
    const Bytes first = WriteOscMessage({"/dsp/main-vol", {-7, 1.25f}});
    const Bytes outer = Concat({WriteOscBundle({}), U32(std::uint32_t(first.size())), first,
                                U32(std::uint32_t(innerBundle.size())), innerBundle});
    const std::vector<OscMessage> expected = {{"/dsp/main-vol", {-7, 1.25f}}, inner[0], inner[1]};
    EXPECT_EQ(Read(outer), expected);
}

// Any proper prefix of a valid packet is refused (but the bare bundle head,
// an empty bundle), and a refused packet adds nothing to what was read before.
TEST(OscCodecTest, EveryTruncationIsRefusedWhole) {
    const Bytes message = WriteOscMessage({"/dsp/info", {1, std::string("x")}});
    const Bytes head = WriteOscBundle({});
    const Bytes packet = Concat({head, U32(std::uint32_t(message.size())), message});
    EXPECT_TRUE(Read(head).empty());
    for (std::size_t size = 0; size < packet.size(); ++size) {
        if (size == head.size()) continue;
        std::vector<OscMessage> messages = {{"/kept", {}}};
        EXPECT_NE(ReadOscPacket(std::span(packet.data(), size), messages), "") << size;
        EXPECT_EQ(messages.size(), 1u) << size;
    }
}

TEST(OscCodecTest, MalformedPacketsAreRefused) {
    const Bytes good = WriteOscMessage({"/dsp/key", {3}});
    Bytes badPadding = good;
    badPadding[10] = 'x';  // a byte of the address's padding
    Bytes wrongTag = good;
    wrongTag[13] = 'd';  // ",d": doubles are not taken
    const Bytes noTags = {'/', 'a', 0, 0};
    const Bytes noSlash = {'a', 0, 0, 0, ',', 0, 0, 0};
    const Bytes trailing = Concat({good, U32(0)});
    const Bytes elementTooLong = Concat({WriteOscBundle({}), U32(std::uint32_t(good.size() + 4)), good});
    const Bytes oddElement = Concat({WriteOscBundle({}), U32(3), {1, 2, 3, 0}});
    Bytes deep = good;
    for (int i = 0; i <= kOscMaxBundleDepth + 1; ++i)
        deep = Concat({WriteOscBundle({}), U32(std::uint32_t(deep.size())), deep});
    const std::vector<OscMessage> many(kOscMaxMessages + 1, OscMessage{"/a", {}});
    const Bytes tooMany = WriteOscBundle(many);
    for (const Bytes& packet :
         {badPadding, wrongTag, noTags, noSlash, trailing, elementTooLong, oddElement, deep, tooMany}) {
        std::vector<OscMessage> messages;
        EXPECT_NE(ReadOscPacket(packet, messages), "");
        EXPECT_TRUE(messages.empty());
    }
}

}  // namespace
}  // namespace dsp
