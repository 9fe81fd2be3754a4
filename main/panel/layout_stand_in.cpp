#include "main/panel/layout_stand_in.h"

namespace dsp {

void TLayoutStandIn::Paint() {
    if (Canvas* canvas = PaintCanvas()) canvas->FillRect(ClientRect(), GetColor());
}

} // namespace dsp
