#include "main/remote/osc_writer.h"

#include <bit>
#include <string_view>

namespace dsp {
namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The text, a zero and zeros up to a multiple of four.
void PutString(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
    out.resize(out.size() + 4 - text.size() % 4, 0);
}

struct ArgWriter {
    std::vector<std::uint8_t>& out;
    void operator()(std::int32_t value) const { PutU32(out, static_cast<std::uint32_t>(value)); }
    void operator()(float value) const { PutU32(out, std::bit_cast<std::uint32_t>(value)); }
    void operator()(const std::string& value) const { PutString(out, value); }
};

char TagOf(const OscArg& arg) {
    static constexpr char kTags[] = {'i', 'f', 's'};
    return kTags[arg.index()];
}

}  // namespace

std::vector<std::uint8_t> WriteOscMessage(const OscMessage& message) {
    std::vector<std::uint8_t> out;
    PutString(out, message.address);
    std::string tags = ",";
    for (const OscArg& arg : message.args) tags += TagOf(arg);
    PutString(out, tags);
    for (const OscArg& arg : message.args) std::visit(ArgWriter{out}, arg);
    return out;
}

std::vector<std::uint8_t> WriteOscBundle(std::span<const OscMessage> messages) {
    std::vector<std::uint8_t> out;
    PutString(out, "#bundle");
    PutU32(out, 0);
    PutU32(out, 1);  // the time tag "immediately"
    for (const OscMessage& message : messages) {
        const std::vector<std::uint8_t> element = WriteOscMessage(message);
        PutU32(out, static_cast<std::uint32_t>(element.size()));
        out.insert(out.end(), element.begin(), element.end());
    }
    return out;
}

}  // namespace dsp
