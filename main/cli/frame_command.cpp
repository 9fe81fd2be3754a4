#include "main/cli/frame_command.h"

#include <ostream>

#include "main/cli/frame_args.h"
#include "main/protocol/command_table.h"
#include "main/protocol/frame.h"

namespace dsp {
namespace {

void PrintList(std::ostream& out) {
    char code[8];
    for (const CommandRow& command : CommandTable()) {
        std::snprintf(code, sizeof code, "0x%02X", command.code);
        out << code << ' ' << command.name << ' ' << command.minValue << ".." << command.maxValue;
        if (!command.items.empty()) {
            out << " (";
            for (std::size_t i = 0; i < command.items.size(); ++i) out << (i ? " " : "") << command.items[i];
            out << ')';
        }
        out << '\n';
    }
}

}  // namespace

int RunFrameCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && args[0] == "--list") {
        PrintList(out);
        return 0;
    }
    if (args.size() != 2) {
        err << "usage: dsp-panel frame PARAM VALUE | dsp-panel frame --list\n";
        return kExitBadParameter;
    }
    auto frame = ParseFrameArgs(args[0], args[1], err);
    if (!frame) return kExitBadParameter;
    out << FrameToHex(*frame) << '\n';
    return 0;
}

}  // namespace dsp
