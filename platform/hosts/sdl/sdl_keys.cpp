#include "platform/hosts/sdl/sdl_keys.h"

namespace dsp {
namespace {

struct KeyPair {
    SDL_Keycode sdl;
    uint16_t vk;
};

constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, kVkBack}, {SDLK_TAB, kVkTab},      {SDLK_RETURN, kVkReturn}, {SDLK_KP_ENTER, kVkReturn},
    {SDLK_ESCAPE, kVkEscape},  {SDLK_SPACE, kVkSpace},  {SDLK_PAGEUP, kVkPrior},  {SDLK_PAGEDOWN, kVkNext},
    {SDLK_END, kVkEnd},        {SDLK_HOME, kVkHome},    {SDLK_LEFT, kVkLeft},     {SDLK_UP, kVkUp},
    {SDLK_RIGHT, kVkRight},    {SDLK_DOWN, kVkDown},    {SDLK_INSERT, kVkInsert}, {SDLK_DELETE, kVkDelete},
    {SDLK_LSHIFT, kVkShift},   {SDLK_RSHIFT, kVkShift}, {SDLK_LCTRL, kVkControl}, {SDLK_RCTRL, kVkControl},
    {SDLK_LALT, kVkMenu},      {SDLK_RALT, kVkMenu},    {SDLK_MINUS, 0xBD},       {SDLK_PERIOD, 0xBE},
    {SDLK_KP_MINUS, 0x6D},     {SDLK_KP_PERIOD, 0x6E},
};

}  // namespace

uint16_t VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint16_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint16_t>('0' + (key - SDLK_0));
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return static_cast<uint16_t>(0x61 + (key - SDLK_KP_1));
    if (key == SDLK_KP_0) return 0x60;
    if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<uint16_t>(kVkF1 + (key - SDLK_F1));
    for (const KeyPair& k : kKeys)
        if (k.sdl == key) return k.vk;
    return 0;
}

TShiftState ShiftFromSdl(uint16_t mod) {
    TShiftState s = 0;
    if (mod & KMOD_SHIFT) s |= ssShift;
    if (mod & KMOD_CTRL) s |= ssCtrl;
    if (mod & KMOD_ALT) s |= ssAlt;
    return s;
}

}  // namespace dsp
