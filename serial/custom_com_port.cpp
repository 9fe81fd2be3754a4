#include "serial/custom_com_port.h"

#include <array>
#include <cerrno>

#include "platform/serialdev/port_map.h"
#include "serial/com_event_map.h"
#include "serial/com_thread.h"

namespace dsp {
namespace {

// The device namespace prefix put in front of every port name; the device
// layer maps the result ("\\.\COM1") to a device path.
constexpr std::string_view kDevicePrefix = "\\\\.\\";

constexpr std::array<int, 16> kBaudRateValues = {
    0, 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000,
};

// Errors that mean the device has gone away; nothing is left to abort then.
bool DeviceGone(int error) { return error == EIO || error == ENXIO || error == ENODEV || error == EBADF; }

}  // namespace

int BaudRateValue(TBaudRate rate) { return kBaudRateValues.at(static_cast<std::size_t>(rate)); }

SerialDeviceFactory DefaultSerialDeviceFactory() {
    return [](const std::string& name) { return RoutedDeviceFactory(PortMap::FromUserConfig())(name); };
}

TCustomComPort::TCustomComPort()
    : parity_(this),
      flowControl_(this),
      timeouts_(this),
      buffer_(this),
      deviceFactory_(DefaultSerialDeviceFactory()) {}

TCustomComPort::~TCustomComPort() {
    try {
        ClosePort();
    } catch (...) {
        // A destructor cannot report; the device is released below anyway.
    }
    thread_.reset();
    if (device_) device_->Close();
}

MainThreadQueue& TCustomComPort::Dispatcher() {
    if (dispatcher_) return *dispatcher_;
    if (!ownQueue_) ownQueue_ = std::make_unique<MainThreadQueue>();
    return *ownQueue_;
}

SerialDevice& TCustomComPort::Device() {
    if (!device_) throw EComPort(CE_OPEN_FAILED, EBADF);
    return *device_;
}

void TCustomComPort::Loaded() {
    loading_ = false;
    if (!connected_) return;
    connected_ = false;
    try {
        OpenPort();
    } catch (...) {
        Dispatcher().ReportException(std::current_exception());
    }
}

// --- property setters ---

void TCustomComPort::SetConnected(bool value) {
    if (loading_) {
        connected_ = value;
        return;
    }
    if (value == connected_) return;
    if (value)
        OpenPort();
    else
        ClosePort();
}

void TCustomComPort::SetBaudRate(TBaudRate value) {
    if (value == baudRate_) return;
    baudRate_ = value;
    ApplyLineSettings();
}

void TCustomComPort::SetCustomBaudRate(int value) {
    if (value == customBaudRate_) return;
    customBaudRate_ = value;
    ApplyLineSettings();
}

void TCustomComPort::SetStopBits(TStopBits value) {
    if (value == stopBits_) return;
    stopBits_ = value;
    ApplyLineSettings();
}

void TCustomComPort::SetDataBits(TDataBits value) {
    if (value == dataBits_) return;
    dataBits_ = value;
    ApplyLineSettings();
}

void TCustomComPort::SetDiscardNull(bool value) {
    if (value == discardNull_) return;
    discardNull_ = value;
    ApplyLineSettings();
}

void TCustomComPort::SetEventChar(std::uint8_t value) {
    if (value == eventChar_) return;
    eventChar_ = value;
    ApplyLineSettings();
}

void TCustomComPort::SetPort(const std::string& value) {
    if (value == port_) return;
    port_ = value;
    if (connected_ && !loading_) {
        ClosePort();
        OpenPort();
    }
}

void TCustomComPort::SetSyncMethod(TSyncMethod value) {
    if (value == syncMethod_) return;
    if (connected_ && !loading_) throw EComPort(CE_CONNECT_CHANGE_PROP);
    syncMethod_ = value;
}

void TCustomComPort::SetBuffer(const TComBuffer& value) {
    buffer_.Assign(value);
    ApplyQueueSizes();
}

void TCustomComPort::SetParity(const TComParity& value) {
    parity_.Assign(value);
    ApplyLineSettings();
}

void TCustomComPort::SetTimeouts(const TComTimeouts& value) {
    timeouts_.Assign(value);
    ApplyTimeoutSettings();
}

void TCustomComPort::SetFlowControl(const TComFlowControl& value) {
    flowControl_.Assign(value);
    ApplyLineSettings();
}

// --- applying settings ---

SerialLineSettings TCustomComPort::LineSettings() const {
    SerialLineSettings s;
    s.baudRate =
        static_cast<std::uint32_t>(baudRate_ == brCustom ? customBaudRate_ : BaudRateValue(baudRate_));
    s.dataBits = 5 + static_cast<int>(dataBits_);
    s.parity = static_cast<LineParity>(parity_.Bits());
    s.stopBits = static_cast<LineStopBits>(stopBits_);
    s.parityCheck = parity_.Check();
    s.replaceOnParityError = parity_.Check() && parity_.Replace();
    s.replaceChar = s.replaceOnParityError ? parity_.ReplaceChar() : 0;
    s.outCtsFlow = flowControl_.OutCTSFlow();
    s.outDsrFlow = flowControl_.OutDSRFlow();
    s.dtr = static_cast<LineDtr>(flowControl_.ControlDTR());
    s.rts = static_cast<LineRts>(flowControl_.ControlRTS());
    s.dsrSensitivity = flowControl_.DSRSensitivity();
    s.txContinueOnXoff = flowControl_.TxContinueOnXoff();
    s.xonXoffOut = flowControl_.XonXoffOut();
    s.xonXoffIn = flowControl_.XonXoffIn();
    s.discardNull = discardNull_;
    s.xonChar = flowControl_.XonChar();
    s.xoffChar = flowControl_.XoffChar();
    s.xonLim = s.xoffLim = buffer_.InputSize() / 4;
    s.eventChar = eventChar_;
    return s;
}

SerialTimeouts TCustomComPort::DeviceTimeouts() const {
    // Negative values reach the device as the unsigned numbers they stand for.
    return {static_cast<std::uint32_t>(timeouts_.ReadInterval()),
            static_cast<std::uint32_t>(timeouts_.ReadTotalMultiplier()),
            static_cast<std::uint32_t>(timeouts_.ReadTotalConstant()),
            static_cast<std::uint32_t>(timeouts_.WriteTotalMultiplier()),
            static_cast<std::uint32_t>(timeouts_.WriteTotalConstant())};
}

void TCustomComPort::ApplyAllSettings() {
    ApplyQueueSizes();
    ApplyLineSettings();
    ApplyTimeoutSettings();
}

void TCustomComPort::ApplyLineSettings() {
    if (!CanApply()) return;
    if (int e = device_->SetLine(LineSettings()); e != 0) throw EComPort(CE_SET_STATE_FAILED, e);
}

void TCustomComPort::ApplyTimeoutSettings() {
    if (!CanApply()) return;
    if (int e = device_->SetTimeouts(DeviceTimeouts()); e != 0) throw EComPort(CE_TIMEOUTS_FAILED, e);
}

void TCustomComPort::ApplyQueueSizes() {
    if (!CanApply()) return;
    if (int e = device_->SetQueueSizes(buffer_.InputSize(), buffer_.OutputSize()); e != 0)
        throw EComPort(CE_SETUP_COM_FAILED, e);
}

// --- opening and closing ---

void TCustomComPort::AcquireDevice() {
    const std::string name = std::string(kDevicePrefix) + port_;
    std::unique_ptr<SerialDevice> device = deviceFactory_(name);
    if (int e = device->Open(name); e != 0) throw EComPort(CE_OPEN_FAILED, e);
    device_ = std::move(device);
}

void TCustomComPort::ReleaseDevice() {
    if (!device_) return;
    device_->Close();
    device_.reset();
}

void TCustomComPort::OpenPort() {
    if (connected_) return;
    DoBeforeOpen();
    AcquireDevice();
    connected_ = true;
    try {
        ApplyAllSettings();
    } catch (...) {
        ReleaseDevice();
        connected_ = false;
        throw;
    }
    if (events_.Empty()) {
        threadCreated_ = false;
    } else {
        if (!dispatcher_) Dispatcher().BindToCurrentThread();  // our own queue serves the opening thread
        notificationWindow_ = syncMethod_ == smWindowSync;
        try {
            thread_ = std::make_unique<TComThread>(this);
        } catch (...) {  // no thread could be made: the port must not look open
            notificationWindow_ = false;
            ReleaseDevice();
            connected_ = false;
            throw;
        }
        threadCreated_ = true;
    }
    DoAfterOpen();
    ReportLineStates();
}

void TCustomComPort::ReportLineStates() {
    DoCTSChange(ModemLines().Contains(mlCTS));
    DoDSRChange(ModemLines().Contains(mlDSR));
    DoRLSDChange(ModemLines().Contains(mlRLSD));
}

void TCustomComPort::PurgePendingIo() {
    int e = Device().Purge(purge::kTxAbort | purge::kRxAbort);
    // A device that has gone away has nothing to abort, and must still close.
    if (e != 0 && !DeviceGone(e)) throw EComPort(CE_PURGE_FAILED, e);
}

void TCustomComPort::ClosePort() {
    if (!connected_) return;
    DoCTSChange(false);
    DoDSRChange(false);
    DoRLSDChange(false);
    DoBeforeClose();
    PurgePendingIo();
    if (threadCreated_) {
        thread_.reset();  // stops the thread and waits, serving its hand-offs
        threadCreated_ = false;
        notificationWindow_ = false;
    }
    ReleaseDevice();
    connected_ = false;
    DoAfterClose();
}

// --- transfer and queries ---

int TCustomComPort::SendBytes(const void* buffer, int count) {
    if (!device_) throw EComPort(CE_WRITE_FAILED, EBADF);  // a closed port writes nothing
    if (count <= 0) return 0;
    std::size_t written = 0;
    if (int e = device_->Write(buffer, static_cast<std::size_t>(count), &written); e != 0)
        throw EComPort(CE_WRITE_FAILED, e);
    return static_cast<int>(written);
}

int TCustomComPort::ReceiveBytes(void* buffer, int count) {
    if (!device_) throw EComPort(CE_READ_FAILED, EBADF);
    if (count <= 0) return 0;
    std::size_t got = 0;
    if (int e = device_->Read(buffer, static_cast<std::size_t>(count), &got); e != 0)
        throw EComPort(CE_READ_FAILED, e);
    return static_cast<int>(got);
}

int TCustomComPort::PendingInputCount() {
    if (!device_) throw EComPort(CE_CLEAR_COM_FAILED, EBADF);
    int count = 0;
    if (int e = device_->PendingInput(&count); e != 0) throw EComPort(CE_CLEAR_COM_FAILED, e);
    return count;
}

TModemLines TCustomComPort::ModemLines() {
    if (!device_) throw EComPort(CE_MODEM_STAT_FAILED, EBADF);
    std::uint32_t status = 0;
    if (int e = device_->ModemStatus(&status); e != 0) throw EComPort(CE_MODEM_STAT_FAILED, e);
    return ModemStatusToLines(status);
}

TComErrors TCustomComPort::TakeLineErrors() {
    if (!device_) throw EComPort(CE_CLEAR_COM_FAILED, EBADF);
    std::uint32_t flags = 0;
    if (int e = device_->TakeLineErrors(&flags); e != 0) throw EComPort(CE_CLEAR_COM_FAILED, e);
    return LineErrorsToComErrors(flags, parity_.Check());
}

// --- event handling ---

void TCustomComPort::HandleEvents(TComEvents events) {
    for (TComEvent event : kComEventHandlingOrder)
        if (events.Contains(event)) HandleEvent(event);
}

void TCustomComPort::HandleEvent(TComEvent event) {
    switch (event) {
        case evError:
            if (TComErrors errors = TakeLineErrors(); !errors.Empty()) DoError(errors);
            break;
        case evRxChar:
            if (int count = PendingInputCount(); count > 0) DoRxChar(count);
            break;
        case evTxEmpty:
            DoTxEmpty();
            break;
        case evBreak:
            DoBreak();
            break;
        case evRing:
            DoRing();
            break;
        case evCTS:
            DoCTSChange(ModemLines().Contains(mlCTS));
            break;
        case evDSR:
            DoDSRChange(ModemLines().Contains(mlDSR));
            break;
        case evRxFlag:
            DoRxFlag();
            break;
        case evRLSD:
            DoRLSDChange(ModemLines().Contains(mlRLSD));
            break;
        case evRx80Full:
            DoRx80Full();
            break;
    }
}

void TCustomComPort::HandleWindowMessage(std::uint32_t code) {
    TComEvent event;
    if (connected_ && EventForCode(code, &event)) HandleEvent(event);
}

// --- notification steps ---

void TCustomComPort::DoAfterClose() {
    if (OnAfterClose) OnAfterClose(this);
}
void TCustomComPort::DoAfterOpen() {
    if (OnAfterOpen) OnAfterOpen(this);
}
void TCustomComPort::DoBeforeClose() {
    if (OnBeforeClose) OnBeforeClose(this);
}
void TCustomComPort::DoBeforeOpen() {
    if (OnBeforeOpen) OnBeforeOpen(this);
}
void TCustomComPort::DoRxChar(int count) {
    if (OnRxChar) OnRxChar(this, count);
}
void TCustomComPort::DoRxBuf(const void* buffer, int count) {
    if (OnRxBuf) OnRxBuf(this, buffer, count);
}
void TCustomComPort::DoTxEmpty() {
    if (OnTxEmpty) OnTxEmpty(this);
}
void TCustomComPort::DoBreak() {
    if (OnBreak) OnBreak(this);
}
void TCustomComPort::DoRing() {
    if (OnRing) OnRing(this);
}
void TCustomComPort::DoRxFlag() {
    if (OnRxFlag) OnRxFlag(this);
}
void TCustomComPort::DoCTSChange(bool onOff) {
    if (OnCTSChange) OnCTSChange(this, onOff);
}
void TCustomComPort::DoDSRChange(bool onOff) {
    if (OnDSRChange) OnDSRChange(this, onOff);
}
void TCustomComPort::DoError(TComErrors errors) {
    if (OnError) OnError(this, errors);
}
void TCustomComPort::DoRLSDChange(bool onOff) {
    if (OnRLSDChange) OnRLSDChange(this, onOff);
}
void TCustomComPort::DoRx80Full() {
    if (OnRx80Full) OnRx80Full(this);
}

}  // namespace dsp
