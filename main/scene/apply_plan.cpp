#include "main/scene/apply_plan.h"

#include <algorithm>
#include <array>

namespace dsp {
namespace {

// The stages of the safe order, after the dip of the volumes.
enum Stage { kCeilings, kSelectors, kEffects, kVolumes };

bool IsCeiling(const CommandRow& row) { return row.name == "MUSIC-VOL-MAX" || row.name == "MIC-VOL-MAX"; }

bool IsSelectorOrRouting(const CommandRow& row) {
    constexpr std::array<std::string_view, 5> kNames = {"INPUT", "AUX", "CENTER", "MUSIC-IN", "SW-FREQ"};
    return std::ranges::find(kNames, row.name) != kNames.end();
}

Stage StageOf(const CommandRow& row) {
    if (IsVolume(row)) return kVolumes;
    if (IsCeiling(row)) return kCeilings;
    if (IsSelectorOrRouting(row)) return kSelectors;
    return kEffects;  // the echo and reverb, feedback suppression, tone and key
}

// The value a volume rises to: no higher than the ceiling the scene sends.
int Clamped(const PlannedFrame& volume, const std::vector<PlannedFrame>& frames) {
    const CommandRow* ceiling = CeilingOf(*volume.row);
    for (const PlannedFrame& f : frames)
        if (f.row == ceiling) return std::min(volume.value, f.value);
    return volume.value;
}

}  // namespace

bool IsVolume(const CommandRow& row) {
    constexpr std::array<std::string_view, 5> kNames = {"MAIN-VOL", "AUX-VOL", "SW-VOL", "MIC-VOL",
                                                        "EFF-VOL"};
    return std::ranges::find(kNames, row.name) != kNames.end();
}

const CommandRow* CeilingOf(const CommandRow& volume) {
    if (volume.name == "MAIN-VOL") return FindParameterName("MUSIC-VOL-MAX");
    if (volume.name == "MIC-VOL") return FindParameterName("MIC-VOL-MAX");
    return nullptr;
}

std::vector<PlannedFrame> PlanApply(const Scene& scene, const ParamSet& safe, ApplyOrder order) {
    std::vector<PlannedFrame> chosen;
    for (const SceneSetting& s : scene.Settings())
        if (!Contains(safe, *s.row)) chosen.push_back({s.row, s.value});
    if (order == ApplyOrder::Direct) return chosen;

    std::vector<PlannedFrame> plan;
    for (const PlannedFrame& f : chosen)
        if (IsVolume(*f.row)) plan.push_back({f.row, 0});
    for (Stage stage : {kCeilings, kSelectors, kEffects, kVolumes}) {
        for (const PlannedFrame& f : chosen) {
            if (StageOf(*f.row) != stage) continue;
            const int value = stage == kVolumes ? Clamped(f, chosen) : f.value;
            // A volume that stays at 0 is already there after the dip.
            if (stage != kVolumes || value != 0) plan.push_back({f.row, value});
        }
    }
    return plan;
}

}  // namespace dsp
