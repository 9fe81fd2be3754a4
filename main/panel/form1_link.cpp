// TForm1 with --reconnect: noticing that the open port went away, reopening
// it every second, and the operator disconnecting meanwhile.

#include <cerrno>

#include "main/panel/form1.h"
#include "platform/framework/application.h"
#include "serial/ecomport.h"

namespace dsp {
namespace {

constexpr uint32_t kReconnectTimer = 1;
constexpr uint32_t kReconnectIntervalMs = 1000;
// Posted by the line-error notification, which runs while the monitoring
// thread waits for it and so cannot close the port itself.
constexpr uint32_t kWmLinkLost = kWmUser + 0x171;

// System error codes of a write that mean the device or connection is gone.
bool DeviceGone(int code) {
    return code == EIO || code == ENXIO || code == ENODEV || code == EPIPE || code == ECONNRESET ||
           code == EBADF;
}

}  // namespace

void TForm1::WatchLink() {
    if (!options_.reconnect) return;
    // A hung-up device or dropped connection reports an I/O error on the
    // line, even when nothing is being sent.
    ComPort1.OnError = [this](TCustomComPort*, TComErrors errors) {
        if (errors.Contains(ceIO) && Application) Application->PostMessage(this, kWmLinkLost, portClosings_);
    };
    // A report posted before the port closed is about a device since let go.
    ComPort1.OnAfterClose = [this](TCustomComPort*) { ++portClosings_; };
}

bool TForm1::SendFailedForGood(const std::exception& error) {
    const auto* serial = dynamic_cast<const EComPort*>(&error);
    if (!options_.reconnect || !serial || !DeviceGone(serial->SystemErrorCode())) return false;
    LinkLost(error.what());
    return true;
}

void TForm1::LinkLost(const std::string& reason) {
    if (!ComPort1.Connected() || !link_.Lost(ComPort1.Port(), reason)) return;
    try {
        ComPort1.ClosePort();
    } catch (const std::exception&) {
        // A device that has gone cannot refuse much; the retries open anew.
    }
    SetTimer(kReconnectTimer, kReconnectIntervalMs);
}

void TForm1::RetryLink() {
    if (link_.Retry([this] { ComPort1.OpenPort(); })) KillTimer(kReconnectTimer);
}

// The link is away, so the port is already closed: the button's disconnect
// succeeds at once.
void TForm1::DisconnectWhileAway() {
    KillTimer(kReconnectTimer);
    link_.Stop();
    ShowConnection(ConnectionText::ClosedByButton, false);
    EnableParameterControls(false);
    EnableSelectorButtons(false);
    bsSkinComboBox1->SetEnabled(true);
}

void TForm1::TimerFired(uint32_t id) {
    if (id == kReconnectTimer) return RetryLink();
    TForm::TimerFired(id);
}

void TForm1::WndProc(TMessage& message) {
    if (message.Msg == kWmLinkLost) {
        if (message.WParam == portClosings_) LinkLost("the line reports an I/O error");
        return;
    }
    // The skin changes reach the controls through the skinned frame.
    TForm::WndProc(message);
}

}  // namespace dsp
