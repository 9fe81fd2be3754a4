#include "controls/control_fonts.h"

namespace dsp {

FontEngine& ControlFontEngine() {
    static FontEngine engine;
    return engine;
}

} // namespace dsp
