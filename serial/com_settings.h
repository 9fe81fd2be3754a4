#pragma once
// The four settings objects of a serial port: timeouts, flow control, parity
// and driver queue sizes. Each belongs to a port (a non-owning reference set
// by the port's constructor) and asks it to re-apply its group when a field
// changes; the port only touches the device while it is open and not loading.
// Objects made on their own (port nullptr) just hold values, to be assigned
// to a port's object with the port's SetTimeouts() and the like.

#include <cstdint>

#include "serial/com_types.h"

namespace dsp {

class TCustomComPort;

// What the groups share: the port a group belongs to and which of the port's
// apply steps re-applies it. A set asks for that step only when the field
// really changes. Assigning copies the values and never the port.
class TComSettingsGroup {
  public:
    TComSettingsGroup(const TComSettingsGroup&) = delete;
    TComSettingsGroup& operator=(const TComSettingsGroup&) { return *this; }

  protected:
    using Apply = void (TCustomComPort::*)();
    TComSettingsGroup(TCustomComPort* port, Apply apply) : port_(port), apply_(apply) {}
    ~TComSettingsGroup() = default;

    template <class T>
    void Set(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed();

  private:
    TCustomComPort* port_;
    Apply apply_;
};

class TComTimeouts : public TComSettingsGroup {
  public:
    explicit TComTimeouts(TCustomComPort* port = nullptr);
    // Copies every field; the port re-applies the group itself.
    void Assign(const TComTimeouts& other) { *this = other; }

    int ReadInterval() const { return readInterval_; }
    int ReadTotalMultiplier() const { return readTotalMultiplier_; }
    int ReadTotalConstant() const { return readTotalConstant_; }
    int WriteTotalMultiplier() const { return writeTotalMultiplier_; }
    int WriteTotalConstant() const { return writeTotalConstant_; }
    void SetReadInterval(int value) { Set(readInterval_, value); }
    void SetReadTotalMultiplier(int value) { Set(readTotalMultiplier_, value); }
    void SetReadTotalConstant(int value) { Set(readTotalConstant_, value); }
    void SetWriteTotalMultiplier(int value) { Set(writeTotalMultiplier_, value); }
    void SetWriteTotalConstant(int value) { Set(writeTotalConstant_, value); }

  private:
    int readInterval_ = -1;
    int readTotalMultiplier_ = 0;
    int readTotalConstant_ = 0;
    int writeTotalMultiplier_ = 100;
    int writeTotalConstant_ = 1000;
};

class TComFlowControl : public TComSettingsGroup {
  public:
    explicit TComFlowControl(TCustomComPort* port = nullptr);
    void Assign(const TComFlowControl& other) { *this = other; }

    bool OutCTSFlow() const { return outCTSFlow_; }
    bool OutDSRFlow() const { return outDSRFlow_; }
    TDTRFlowControl ControlDTR() const { return controlDTR_; }
    TRTSFlowControl ControlRTS() const { return controlRTS_; }
    bool XonXoffOut() const { return xonXoffOut_; }
    bool XonXoffIn() const { return xonXoffIn_; }
    bool DSRSensitivity() const { return dsrSensitivity_; }
    bool TxContinueOnXoff() const { return txContinueOnXoff_; }
    std::uint8_t XonChar() const { return xonChar_; }
    std::uint8_t XoffChar() const { return xoffChar_; }
    void SetOutCTSFlow(bool value) { Set(outCTSFlow_, value); }
    void SetOutDSRFlow(bool value) { Set(outDSRFlow_, value); }
    void SetControlDTR(TDTRFlowControl value) { Set(controlDTR_, value); }
    void SetControlRTS(TRTSFlowControl value) { Set(controlRTS_, value); }
    void SetXonXoffOut(bool value) { Set(xonXoffOut_, value); }
    void SetXonXoffIn(bool value) { Set(xonXoffIn_, value); }
    void SetDSRSensitivity(bool value) { Set(dsrSensitivity_, value); }
    void SetTxContinueOnXoff(bool value) { Set(txContinueOnXoff_, value); }
    void SetXonChar(std::uint8_t value) { Set(xonChar_, value); }
    void SetXoffChar(std::uint8_t value) { Set(xoffChar_, value); }

    // The summary of RTS, CTS and Xon/Xoff; DTR and DSR play no part.
    TFlowControl FlowControl() const;
    void SetFlowControl(TFlowControl value);

  private:
    bool outCTSFlow_ = false;
    bool outDSRFlow_ = false;
    TDTRFlowControl controlDTR_ = dtrDisable;
    TRTSFlowControl controlRTS_ = rtsDisable;
    bool xonXoffOut_ = false;
    bool xonXoffIn_ = false;
    bool dsrSensitivity_ = false;
    bool txContinueOnXoff_ = false;
    std::uint8_t xonChar_ = 17;
    std::uint8_t xoffChar_ = 19;
};

class TComParity : public TComSettingsGroup {
  public:
    explicit TComParity(TCustomComPort* port = nullptr);
    void Assign(const TComParity& other) { *this = other; }

    TParityBits Bits() const { return bits_; }
    bool Check() const { return check_; }
    bool Replace() const { return replace_; }
    std::uint8_t ReplaceChar() const { return replaceChar_; }
    void SetBits(TParityBits value) { Set(bits_, value); }
    void SetCheck(bool value) { Set(check_, value); }
    void SetReplace(bool value) { Set(replace_, value); }
    void SetReplaceChar(std::uint8_t value) { Set(replaceChar_, value); }

  private:
    TParityBits bits_ = prNone;
    bool check_ = false;
    bool replace_ = false;
    std::uint8_t replaceChar_ = 0;
};

class TComBuffer : public TComSettingsGroup {
  public:
    explicit TComBuffer(TCustomComPort* port = nullptr);
    void Assign(const TComBuffer& other) { *this = other; }

    int InputSize() const { return inputSize_; }
    int OutputSize() const { return outputSize_; }
    // A positive odd size is lowered by one; negative sizes are kept.
    void SetInputSize(int value) { SetSize(inputSize_, value); }
    void SetOutputSize(int value) { SetSize(outputSize_, value); }

  private:
    void SetSize(int& field, int value);

    int inputSize_ = 1024;
    int outputSize_ = 1024;
};

}  // namespace dsp
