#include "main/cli/frame_args.h"

#include <ostream>

#include "main/protocol/command_table.h"

namespace dsp {

std::optional<Frame> ParseFrameArgs(std::string_view param, std::string_view value, std::ostream& err) {
    const CommandSpec* spec = FindCommand(param);
    if (!spec) {
        err << "dsp-panel: unknown parameter '" << param << "' (see 'dsp-panel frame --list')\n";
        return std::nullopt;
    }
    auto parsed = ParseCommandValue(*spec, value);
    if (!parsed) {
        err << "dsp-panel: " << spec->name << " takes " << spec->minValue << ".." << spec->maxValue
            << (spec->items.empty() ? "" : " or an item text") << ", not '" << value << "'\n";
        return std::nullopt;
    }
    return BuildFrame(spec->code, *parsed);
}

} // namespace dsp
