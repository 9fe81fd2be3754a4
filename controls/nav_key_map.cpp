#include "controls/nav_key_map.h"

#include "platform/framework/keys.h"

namespace dsp {

NavKey NavKeyOf(uint16_t virtualKey) {
    switch (virtualKey) {
        case kVkLeft:
            return NavKey::Left;
        case kVkRight:
            return NavKey::Right;
        case kVkUp:
            return NavKey::Up;
        case kVkDown:
            return NavKey::Down;
        case kVkHome:
            return NavKey::Home;
        case kVkEnd:
            return NavKey::End;
        case kVkPrior:
            return NavKey::PageUp;
        case kVkNext:
            return NavKey::PageDown;
        case kVkReturn:
            return NavKey::Enter;
        case kVkEscape:
            return NavKey::Escape;
        case kVkSpace:
            return NavKey::Space;
        default:
            return NavKey::Other;
    }
}

}  // namespace dsp
