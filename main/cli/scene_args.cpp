#include "main/cli/scene_args.h"

#include <charconv>

namespace dsp {
namespace {

// The longest gap taken: a minute between frames is already far beyond any unit.
constexpr long kMaxGapMs = 60'000;

std::optional<long> ParseGap(std::string_view text) {
    long value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size() || value < 0 ||
        value > kMaxGapMs)
        return std::nullopt;
    return value;
}

bool TakeOption(SceneArgs& parsed, std::string_view option, std::string_view value) {
    if (option == "--port") {
        parsed.port = std::string(value);
    } else if (option == "--map") {
        parsed.maps.push_back(value);
    } else if (option == "--safe") {
        parsed.safe = value;
    } else if (option == "--gap") {
        std::optional<long> gap = ParseGap(value);
        if (!gap) return false;
        parsed.gapMs = *gap;
    } else {
        return false;
    }
    return true;
}

bool FitsVerb(const SceneArgs& a) {
    const bool sends = a.port || !a.maps.empty() || a.gapMs != 0;
    const bool plans = sends || a.safe || a.direct;
    if (a.verb == "apply") return a.files.size() == 1 && a.port;
    if (a.verb == "show") return a.files.size() == 1 && !sends;
    if (a.verb == "diff") return a.files.size() == 2 && !plans;
    if (a.verb == "list") return a.files.empty() && !plans;
    return false;
}

}  // namespace

std::optional<SceneArgs> ParseSceneArgs(std::span<const std::string_view> args) {
    if (args.empty()) return std::nullopt;
    SceneArgs parsed;
    parsed.verb = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--direct") {
            parsed.direct = true;
        } else if (arg.starts_with("--")) {
            if (i + 1 >= args.size() || !TakeOption(parsed, arg, args[i + 1])) return std::nullopt;
            ++i;
        } else {
            parsed.files.push_back(arg);
        }
    }
    if (!FitsVerb(parsed)) return std::nullopt;
    return parsed;
}

}  // namespace dsp
