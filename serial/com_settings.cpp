#include "serial/com_settings.h"

#include "serial/custom_com_port.h"

namespace dsp {

void TComTimeouts::Assign(const TComTimeouts& other) {
    readInterval_ = other.readInterval_;
    readTotalMultiplier_ = other.readTotalMultiplier_;
    readTotalConstant_ = other.readTotalConstant_;
    writeTotalMultiplier_ = other.writeTotalMultiplier_;
    writeTotalConstant_ = other.writeTotalConstant_;
}

void TComTimeouts::Set(int& field, int value) {
    if (field == value) return;
    field = value;
    if (port_) port_->ApplyTimeoutSettings();
}

void TComTimeouts::SetReadInterval(int value) { Set(readInterval_, value); }
void TComTimeouts::SetReadTotalMultiplier(int value) { Set(readTotalMultiplier_, value); }
void TComTimeouts::SetReadTotalConstant(int value) { Set(readTotalConstant_, value); }
void TComTimeouts::SetWriteTotalMultiplier(int value) { Set(writeTotalMultiplier_, value); }
void TComTimeouts::SetWriteTotalConstant(int value) { Set(writeTotalConstant_, value); }

void TComFlowControl::Assign(const TComFlowControl& other) {
    TCustomComPort* port = port_;
    *this = other;
    port_ = port;
}

void TComFlowControl::Changed() {
    if (port_) port_->ApplyLineSettings();
}

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

void TComParity::Assign(const TComParity& other) {
    TCustomComPort* port = port_;
    *this = other;
    port_ = port;
}

void TComParity::Changed() {
    if (port_) port_->ApplyLineSettings();
}

void TComBuffer::Assign(const TComBuffer& other) {
    inputSize_ = other.inputSize_;
    outputSize_ = other.outputSize_;
}

void TComBuffer::Set(int& field, int value) {
    if (field == value) return;
    field = value;
    if (field % 2 == 1) --field; // the driver wants even sizes
    if (port_) port_->ApplyQueueSizes();
}

} // namespace dsp
