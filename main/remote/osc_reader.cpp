#include "main/remote/osc_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace dsp {
namespace {

constexpr std::string_view kBundleTag{"#bundle\0", 8};

// A cursor over the packet; every read checks the bounds and records the
// first fault, after which nothing more is read.
class Cursor {
  public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ == bytes_.size(); }
    std::string_view Error() const { return error_; }
    void Fail(std::string_view why) {
        if (error_.empty()) error_ = why;
        pos_ = bytes_.size();
    }

    std::uint32_t U32() {
        if (bytes_.size() - pos_ < 4) return Fail("truncated"), 0;
        const std::uint8_t* p = bytes_.data() + pos_;
        pos_ += 4;
        return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
    }

    // A zero-ended string padded with zeros to a multiple of four.
    std::string_view String() {
        const std::uint8_t* start = bytes_.data() + pos_;
        const std::uint8_t* end = std::find(start, bytes_.data() + bytes_.size(), 0);
        if (end == bytes_.data() + bytes_.size()) return Fail("unterminated string"), std::string_view{};
        const std::size_t length = static_cast<std::size_t>(end - start);
        const std::size_t padded = (length + 4) & ~std::size_t{3};
        if (padded > bytes_.size() - pos_) return Fail("truncated string"), std::string_view{};
        if (std::any_of(end, start + padded, [](std::uint8_t b) { return b != 0; }))
            return Fail("bad string padding"), std::string_view{};
        pos_ += padded;
        return {reinterpret_cast<const char*>(start), length};
    }

    std::span<const std::uint8_t> Take(std::size_t size) {
        if (size > bytes_.size() - pos_) return Fail("truncated element"), std::span<const std::uint8_t>{};
        auto part = bytes_.subspan(pos_, size);
        pos_ += size;
        return part;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    std::string_view error_;
};

bool ReadArg(Cursor& in, char tag, OscMessage& message) {
    switch (tag) {
        case 'i':
            message.args.emplace_back(static_cast<std::int32_t>(in.U32()));
            return true;
        case 'f':
            message.args.emplace_back(std::bit_cast<float>(in.U32()));
            return true;
        case 's':
            message.args.emplace_back(std::string(in.String()));
            return true;
        default:
            in.Fail("unsupported argument type");
            return false;
    }
}

void ReadMessage(Cursor& in, std::vector<OscMessage>& out) {
    OscMessage message;
    message.address = in.String();
    if (!in.Error().empty()) return;
    if (message.address.empty() || message.address[0] != '/') return in.Fail("bad address");
    if (in.AtEnd()) return in.Fail("no type tags");
    const std::string_view tags = in.String();
    if (tags.empty() || tags[0] != ',') return in.Fail("no type tags");
    if (tags.size() - 1 > kOscMaxArgs) return in.Fail("too many arguments");
    for (char tag : tags.substr(1))
        if (!ReadArg(in, tag, message)) return;
    if (!in.AtEnd()) return in.Fail("bytes after the arguments");
    if (out.size() >= kOscMaxMessages) return in.Fail("too many messages");
    out.push_back(std::move(message));
}

void ReadElement(Cursor& in, int depth, std::vector<OscMessage>& out);

void ReadBundle(Cursor& in, int depth, std::vector<OscMessage>& out) {
    if (depth > kOscMaxBundleDepth) return in.Fail("bundles nested too deep");
    in.Take(kBundleTag.size() + 8);  // the tag and the time tag
    while (in.Error().empty() && !in.AtEnd()) {
        const std::uint32_t size = in.U32();
        if (size == 0 || size % 4 != 0) return in.Fail("bad element size");
        Cursor element(in.Take(size));
        if (!in.Error().empty()) return;
        ReadElement(element, depth + 1, out);
        if (!element.Error().empty()) return in.Fail(element.Error());
    }
}

void ReadElement(Cursor& in, int depth, std::vector<OscMessage>& out) {
    Cursor peek = in;
    auto head = peek.Take(kBundleTag.size());
    if (head.size() == kBundleTag.size() && std::memcmp(head.data(), kBundleTag.data(), head.size()) == 0)
        return ReadBundle(in, depth, out);
    ReadMessage(in, out);
}

}  // namespace

std::string_view ReadOscPacket(std::span<const std::uint8_t> packet, std::vector<OscMessage>& messages) {
    if (packet.empty() || packet.size() % 4 != 0) return "size not a multiple of four";
    std::vector<OscMessage> read;
    Cursor in(packet);
    ReadElement(in, 0, read);
    if (!in.Error().empty()) return in.Error();
    if (messages.size() + read.size() > kOscMaxMessages) return "too many messages";
    std::move(read.begin(), read.end(), std::back_inserter(messages));
    return {};
}

}  // namespace dsp
