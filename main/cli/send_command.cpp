#include "main/cli/send_command.h"

#include <ostream>
#include <string>
#include <vector>

#include "main/cli/frame_args.h"
#include "main/cli/frame_command.h"
#include "main/cli/port_map_args.h"

namespace dsp {
namespace {

constexpr std::string_view kUsage =
    "usage: dsp-panel send --port NAME [--map COMn=DEVICE]... PARAM VALUE [PARAM VALUE ...]\n";

struct SendArgs {
    std::string port;
    std::vector<std::string_view> maps;
    std::vector<std::string_view> pairs;
};

std::optional<SendArgs> ParseSendArgs(std::span<const std::string_view> args) {
    SendArgs parsed;
    bool havePort = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        bool takesValue = arg == "--port" || arg == "--map";
        if (takesValue && i + 1 >= args.size()) return std::nullopt;
        if (arg == "--port") {
            parsed.port = std::string(args[++i]);
            havePort = true;
        } else if (arg == "--map") {
            parsed.maps.push_back(args[++i]);
        } else if (arg.size() > 2 && arg.substr(0, 2) == "--") {
            return std::nullopt;
        } else {
            parsed.pairs.push_back(arg);
        }
    }
    if (!havePort || parsed.pairs.empty() || parsed.pairs.size() % 2 != 0) return std::nullopt;
    return parsed;
}

}  // namespace

int RunSendCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    return RunSendCommand(args, out, err, RoutedDeviceMaker());
}

int RunSendCommand(std::span<const std::string_view> args, std::ostream&, std::ostream& err,
                   const SendDeviceMaker& makeDevice) {
    auto parsed = ParseSendArgs(args);
    if (!parsed) {
        err << kUsage;
        return kExitBadParameter;
    }
    std::vector<Frame> frames;
    for (std::size_t i = 0; i < parsed->pairs.size(); i += 2) {
        auto frame = ParseFrameArgs(parsed->pairs[i], parsed->pairs[i + 1], err);
        if (!frame) return kExitBadParameter;
        frames.push_back(*frame);
    }
    auto map = BuildPortMap(parsed->maps, err);
    if (!map) return kExitBadParameter;

    CliPort port(parsed->port, *map, makeDevice);
    if (!port.Open(err)) return kExitPortError;
    for (const Frame& frame : frames)
        if (!port.Send(frame, err)) return kExitPortError;
    return port.Close(err) ? 0 : kExitPortError;
}

}  // namespace dsp
