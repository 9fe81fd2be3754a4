#include "serial/com_settings.h"

#include "serial/custom_com_port.h"

namespace dsp {

void TComSettingsGroup::Changed() {
    if (port_) (port_->*apply_)();
}

TComTimeouts::TComTimeouts(TCustomComPort* port)
    : TComSettingsGroup(port, &TCustomComPort::ApplyTimeoutSettings) {}
TComFlowControl::TComFlowControl(TCustomComPort* port)
    : TComSettingsGroup(port, &TCustomComPort::ApplyLineSettings) {}
TComParity::TComParity(TCustomComPort* port) : TComSettingsGroup(port, &TCustomComPort::ApplyLineSettings) {}
TComBuffer::TComBuffer(TCustomComPort* port) : TComSettingsGroup(port, &TCustomComPort::ApplyQueueSizes) {}

TFlowControl TComFlowControl::FlowControl() const {
    if (controlRTS_ == rtsHandshake && outCTSFlow_ && !xonXoffIn_ && !xonXoffOut_) return fcHardware;
    if (controlRTS_ == rtsDisable && !outCTSFlow_ && xonXoffIn_ && xonXoffOut_) return fcSoftware;
    if (controlRTS_ == rtsDisable && !outCTSFlow_ && !xonXoffIn_ && !xonXoffOut_) return fcNone;
    return fcCustom;
}

void TComFlowControl::SetFlowControl(TFlowControl value) {
    // The fields change together and the line is applied once at the end.
    if (value != fcCustom) {
        controlRTS_ = rtsDisable;
        outCTSFlow_ = false;
        xonXoffIn_ = false;
        xonXoffOut_ = false;
        if (value == fcHardware) {
            controlRTS_ = rtsHandshake;
            outCTSFlow_ = true;
        } else if (value == fcSoftware) {
            xonXoffIn_ = true;
            xonXoffOut_ = true;
        }
    }
    Changed();
}

void TComBuffer::SetSize(int& field, int value) {
    if (field == value) return;
    field = value;
    if (field % 2 == 1) --field;  // the driver wants even sizes
    Changed();
}

}  // namespace dsp
