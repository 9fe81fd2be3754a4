#include "main/sim/unit_state.h"

#include <cstdio>
#include <ostream>

#include "main/protocol/command_table.h"

namespace dsp {
namespace {

// The two memory commands: the value is the memory's number.
constexpr std::uint8_t kLoadCode = 0x30;
constexpr std::uint8_t kSaveCode = 0x31;

bool IsMemoryCommand(std::uint8_t code) { return code == kLoadCode || code == kSaveCode; }

}  // namespace

std::string DescribeFrame(const Frame& frame) {
    std::uint8_t code = frame[1];
    int value = frame[2];
    const CommandRow* command = FindCommand(code);
    if (!command) {
        char text[32];
        std::snprintf(text, sizeof text, "UNKNOWN 0x%02X %d", code, value);
        return text;
    }
    std::string line = std::string(command->name) + ' ' + FormatCommandValue(*command, value);
    if (value < command->minValue || value > command->maxValue) line += " (out of range)";
    return line;
}

void UnitState::Apply(const Frame& frame) {
    ++frames_;
    std::uint8_t code = frame[1];
    int value = frame[2];
    const CommandRow* command = FindCommand(code);
    if (!command) {
        ++unknown_;
        return;
    }
    if (code == kSaveCode) Store(value);
    if (code == kLoadCode) Recall(value);
    values_[code] = value;
}

void UnitState::Store(int memory) {
    Values kept = values_;
    for (std::uint8_t code : {kLoadCode, kSaveCode}) kept[code].reset();
    memories_[memory] = kept;
}

void UnitState::Recall(int memory) {
    auto it = memories_.find(memory);
    if (it == memories_.end()) return;  // an empty memory changes nothing
    for (std::size_t code = 0; code < values_.size(); ++code)
        if (!IsMemoryCommand(static_cast<std::uint8_t>(code))) values_[code] = it->second[code];
}

void UnitState::PrintTable(std::ostream& out, std::uint64_t skippedBytes) const {
    out << "--- unit state ---\n";
    for (const CommandRow& command : CommandTable()) {
        out << "  " << command.name << ' ';
        if (const auto& v = values_[command.code]; v)
            out << FormatCommandValue(command, *v);
        else
            out << '-';
        out << '\n';
    }
    out << "  frames " << frames_ << ", unknown " << unknown_ << ", skipped bytes " << skippedBytes << '\n';
    out << "---\n" << std::flush;
}

}  // namespace dsp
