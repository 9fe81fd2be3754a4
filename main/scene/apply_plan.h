#pragma once
// The order in which a scene's values go to the unit. The safe order cannot
// make a loud surprise on the way: the volumes the scene sets dip to 0 first,
// then come the ceilings, the selectors and the routing, then effects, tone and
// key, and last the volumes rise to their values, no higher than the scene's
// ceilings let them (as the window clamps them). The direct order is simply the
// command table's.

#include <vector>

#include "main/scene/param_list.h"
#include "main/scene/scene.h"

namespace dsp {

enum class ApplyOrder { Safe, Direct };

struct PlannedFrame {
    const CommandRow* row;
    int value;
};

// Parameters in `safe` are left out altogether.
std::vector<PlannedFrame> PlanApply(const Scene& scene, const ParamSet& safe, ApplyOrder order);

// The five volumes that dip: MAIN-VOL, AUX-VOL, SW-VOL, MIC-VOL, EFF-VOL.
bool IsVolume(const CommandRow& row);

// The ceiling row that clamps `volume` (MUSIC-VOL-MAX for MAIN-VOL,
// MIC-VOL-MAX for MIC-VOL), or nothing.
const CommandRow* CeilingOf(const CommandRow& volume);

}  // namespace dsp
