#include "main/cli/frame_args.h"

#include <ostream>

#include "main/protocol/command_table.h"

namespace dsp {

std::optional<Frame> ParseFrameArgs(std::string_view param, std::string_view value, std::ostream& err) {
    const CommandRow* command = FindCommand(param);
    if (!command) {
        err << "dsp-panel: unknown parameter '" << param << "' (see 'dsp-panel frame --list')\n";
        return std::nullopt;
    }
    auto parsed = ParseCommandValue(*command, value);
    if (!parsed) {
        err << "dsp-panel: " << command->name << " takes " << command->minValue << ".." << command->maxValue
            << (command->items.empty() ? "" : " or an item text") << ", not '" << value << "'\n";
        return std::nullopt;
    }
    return BuildFrame(command->code, *parsed);
}

}  // namespace dsp
