#pragma once
// TComPort: the serial port component as a window places it. Every property
// of TCustomComPort is already public here; TComPort adds nothing but its name.

#include "serial/custom_com_port.h"

namespace dsp {

class TComPort : public TCustomComPort {
public:
    TComPort() = default;
};

} // namespace dsp
