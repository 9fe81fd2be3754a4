#pragma once
// The framework's virtual key codes as the keys the controls' keyboard rules
// talk about. Every other key is NavKey::Other, which no rule acts on.

#include <cstdint>

#include "controls/model/nav_key.h"

namespace dsp {

NavKey NavKeyOf(uint16_t virtualKey);

}  // namespace dsp
