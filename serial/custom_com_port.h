#pragma once
// TCustomComPort: one serial device with its line settings, opened and closed
// on the thread that owns the port (the user-interface thread), with a
// monitoring thread that turns line events into the On... notifications.
//
// The device itself comes from a factory (termios by default, a recording
// fake in tests), created when the port opens, so a port that is never opened
// makes no system call at all.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/dispatch/main_thread_queue.h"
#include "platform/serialdev/routed_device_factory.h"
#include "platform/serialdev/serial_device.h"
#include "serial/com_settings.h"
#include "serial/com_types.h"
#include "serial/ecomport.h"

namespace dsp {

class TComThread;
class TCustomComPort;

// The routed devices (terminal or network), their port names mapped through
// the user's ports.conf.
SerialDeviceFactory DefaultSerialDeviceFactory();

using TComNotifyEvent = std::function<void(TCustomComPort* sender)>;
using TRxCharEvent = std::function<void(TCustomComPort* sender, int count)>;
using TRxBufEvent = std::function<void(TCustomComPort* sender, const void* buffer, int count)>;
using TComSignalEvent = std::function<void(TCustomComPort* sender, bool onOff)>;
using TComErrorEvent = std::function<void(TCustomComPort* sender, TComErrors errors)>;

class TCustomComPort {
  public:
    TCustomComPort();
    virtual ~TCustomComPort();
    TCustomComPort(const TCustomComPort&) = delete;
    TCustomComPort& operator=(const TCustomComPort&) = delete;

    // --- where the device and the user-interface thread come from ---
    void SetDeviceFactory(SerialDeviceFactory factory) { deviceFactory_ = std::move(factory); }
    // The application's queue; without one the port keeps its own, owned by
    // the thread that opens the port (drive it with Dispatcher()).
    void SetDispatcher(MainThreadQueue* dispatcher) { dispatcher_ = dispatcher; }
    MainThreadQueue& Dispatcher();

    // --- stored-layout loading ---
    void BeginLoading() { loading_ = true; }
    bool Loading() const { return loading_; }
    // The after-load step: opens the port if Connected was recorded as True.
    virtual void Loaded();

    // --- properties ---
    bool Connected() const { return connected_; }
    void SetConnected(bool value);
    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate value);
    int CustomBaudRate() const { return customBaudRate_; }
    void SetCustomBaudRate(int value);
    const std::string& Port() const { return port_; }
    void SetPort(const std::string& value);
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits value);
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits value);
    bool DiscardNull() const { return discardNull_; }
    void SetDiscardNull(bool value);
    std::uint8_t EventChar() const { return eventChar_; }
    void SetEventChar(std::uint8_t value);
    TComEvents Events() const { return events_; }
    void SetEvents(TComEvents value) { events_ = value; }  // takes effect at the next OpenPort
    TSyncMethod SyncMethod() const { return syncMethod_; }
    void SetSyncMethod(TSyncMethod value);

    TComBuffer& Buffer() { return buffer_; }
    TComParity& Parity() { return parity_; }
    TComTimeouts& Timeouts() { return timeouts_; }
    TComFlowControl& FlowControl() { return flowControl_; }
    const TComBuffer& Buffer() const { return buffer_; }
    const TComParity& Parity() const { return parity_; }
    const TComTimeouts& Timeouts() const { return timeouts_; }
    const TComFlowControl& FlowControl() const { return flowControl_; }
    void SetBuffer(const TComBuffer& value);
    void SetParity(const TComParity& value);
    void SetTimeouts(const TComTimeouts& value);
    void SetFlowControl(const TComFlowControl& value);

    // --- operations ---
    void OpenPort();
    void ClosePort();
    // Blocks until the driver has taken the bytes or the write timeout ends
    // the write; returns how many it took.
    int SendBytes(const void* buffer, int count);
    int ReceiveBytes(void* buffer, int count);
    int PendingInputCount();
    TModemLines ModemLines();
    TComErrors TakeLineErrors();

    // The device settings the port's properties describe.
    SerialLineSettings LineSettings() const;
    SerialTimeouts DeviceTimeouts() const;

    // --- notifications (Sender is always this port) ---
    TRxCharEvent OnRxChar;
    TRxBufEvent OnRxBuf;
    TComNotifyEvent OnTxEmpty;
    TComNotifyEvent OnBreak;
    TComNotifyEvent OnRing;
    TComSignalEvent OnCTSChange;
    TComSignalEvent OnDSRChange;
    TComSignalEvent OnRLSDChange;
    TComErrorEvent OnError;
    TComNotifyEvent OnRxFlag;
    TComNotifyEvent OnAfterOpen;
    TComNotifyEvent OnAfterClose;
    TComNotifyEvent OnBeforeOpen;
    TComNotifyEvent OnBeforeClose;
    TComNotifyEvent OnRx80Full;

  protected:
    virtual void AcquireDevice();
    virtual void ReleaseDevice();
    virtual void ApplyAllSettings();

    virtual void DoAfterClose();
    virtual void DoAfterOpen();
    virtual void DoBeforeClose();
    virtual void DoBeforeOpen();
    virtual void DoRxChar(int count);
    virtual void DoRxBuf(const void* buffer, int count);
    virtual void DoTxEmpty();
    virtual void DoBreak();
    virtual void DoRing();
    virtual void DoRxFlag();
    virtual void DoCTSChange(bool onOff);
    virtual void DoDSRChange(bool onOff);
    virtual void DoError(TComErrors errors);
    virtual void DoRLSDChange(bool onOff);
    virtual void DoRx80Full();

    virtual void ApplyLineSettings();
    virtual void ApplyTimeoutSettings();
    virtual void ApplyQueueSizes();

  private:
    friend class TComThread;
    friend class TComTimeouts;
    friend class TComFlowControl;
    friend class TComParity;
    friend class TComBuffer;

    bool CanApply() const { return connected_ && !loading_ && device_; }
    SerialDevice& Device();
    void PurgePendingIo();
    void ReportLineStates();
    // One batch from the monitoring thread, in the handling order.
    void HandleEvents(TComEvents events);
    void HandleEvent(TComEvent event);
    // Window delivery: one event code, handled only while the port is open.
    void HandleWindowMessage(std::uint32_t code);

    std::unique_ptr<TComThread> thread_;
    bool threadCreated_ = false;
    std::unique_ptr<SerialDevice> device_;
    bool notificationWindow_ = false;
    bool connected_ = false;
    bool loading_ = false;
    TBaudRate baudRate_ = br9600;
    int customBaudRate_ = 9600;
    std::string port_ = "COM1";
    TStopBits stopBits_ = sbOneStopBit;
    TDataBits dataBits_ = dbEight;
    bool discardNull_ = false;
    std::uint8_t eventChar_ = 0;
    TComEvents events_ = kAllComEvents;
    // Made in this order by the constructor.
    TComParity parity_;
    TComFlowControl flowControl_;
    TComTimeouts timeouts_;
    TComBuffer buffer_;
    TSyncMethod syncMethod_ = smThreadSync;

    SerialDeviceFactory deviceFactory_;
    MainThreadQueue* dispatcher_ = nullptr;
    std::unique_ptr<MainThreadQueue> ownQueue_;  // made on first use
};

// The rate in bits per second a TBaudRate stands for (0 for brCustom).
int BaudRateValue(TBaudRate rate);

}  // namespace dsp
