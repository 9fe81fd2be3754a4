#include "controls/control_fonts.h"

#include <stdexcept>

#include "platform/framework/application.h"

namespace dsp {

FontEngine& ControlFontEngine() {
    if (Application == nullptr)
        throw std::logic_error("controls measure and draw text only with an application");
    return Application->Fonts();
}

}  // namespace dsp
