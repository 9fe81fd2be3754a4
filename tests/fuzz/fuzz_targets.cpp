#include "tests/fuzz/fuzz_targets.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/fuzz_entries.h"

namespace dsp {
namespace {

constexpr std::array kTargets = {
    FuzzTarget{"bmp", FuzzBmp},
    FuzzTarget{"png", FuzzPng},
    FuzzTarget{"jpeg", FuzzJpeg},
    FuzzTarget{"skin_ini", FuzzSkinIni},
    FuzzTarget{"mo_catalog", FuzzMoCatalog},
    FuzzTarget{"settings_file", FuzzSettingsFile},
    FuzzTarget{"port_map", FuzzPortMap},
    FuzzTarget{"layout", FuzzLayout},
    FuzzTarget{"scene", FuzzScene},
    FuzzTarget{"headless", FuzzHeadless},
    FuzzTarget{"web_message", FuzzWebMessage},
    FuzzTarget{"osc", FuzzOsc},
    FuzzTarget{"telnet", FuzzTelnet},
    FuzzTarget{"rfc2217", FuzzRfc2217},
};

}  // namespace

std::span<const FuzzTarget> FuzzTargets() { return kTargets; }

const FuzzTarget* FindFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : kTargets)
        if (target.name == name) return &target;
    return nullptr;
}

void FuzzCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace dsp
