// The OSC reader: what it accepts keeps its limits, writes back to bytes that
// read the same again, and maps through the address and value rules without
// fault.
#include <variant>

#include "main/remote/osc_params.h"
#include "main/remote/osc_reader.h"
#include "main/remote/osc_writer.h"
#include "tests/fuzz/fuzz_entries.h"
#include "tests/fuzz/fuzz_targets.h"

namespace dsp {

int FuzzOsc(const std::uint8_t* data, std::size_t size) {
    std::vector<OscMessage> messages;
    if (!ReadOscPacket(std::span(data, size), messages).empty()) {
        FuzzCheck(messages.empty(), "a refused packet adds no message");
        return 1;
    }
    FuzzCheck(messages.size() <= kOscMaxMessages, "a packet keeps to the message limit");
    for (const OscMessage& message : messages) {
        FuzzCheck(message.address.starts_with("/"), "an address starts with a slash");
        FuzzCheck(message.args.size() <= kOscMaxArgs, "a message keeps to the argument limit");
        const std::vector<std::uint8_t> once = WriteOscMessage(message);
        std::vector<OscMessage> again;
        FuzzCheck(ReadOscPacket(once, again).empty() && again.size() == 1, "a written message reads back");
        FuzzCheck(WriteOscMessage(again[0]) == once, "a written message reads back the same");
        if (const CommandRow* row = FindOscParameter(message.address))
            for (const OscArg& arg : message.args)
                if (const auto value = OscValue(*row, arg))
                    FuzzCheck(*value >= row->minValue && *value <= row->maxValue, "a value is in its range");
    }
    return 0;
}

}  // namespace dsp
