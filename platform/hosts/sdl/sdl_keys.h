#pragma once
// SDL key codes and modifier states to our virtual keys and shift states.

#include <SDL2/SDL.h>

#include <cstdint>

#include "platform/framework/keys.h"

namespace dsp {

// 0 when the key has no virtual key code of ours.
uint16_t VirtualKeyFromSdl(SDL_Keycode key);
TShiftState ShiftFromSdl(uint16_t mod);

}  // namespace dsp
