#include "platform/serialdev/routed_serial_device.h"

#include <cerrno>

#include "platform/serialdev/network_port_name.h"
#if defined(_WIN32)
#include "platform/serialdev/win32/win32_serial_device.h"
#else
#include "platform/serialdev/termios_device.h"
#endif

namespace dsp {

RoutedSerialDevice::RoutedSerialDevice(PortMap map, NetworkLimits limits)
    : map_(std::move(map)), limits_(limits) {}

int RoutedSerialDevice::Open(const std::string& name) {
    if (IsOpen()) return EBUSY;
    const std::string target = map_.Resolve(name);
    if (target.empty()) return ENOENT;
    std::unique_ptr<SerialDevice> device;
#if defined(_WIN32)
    // Network ports are not carried by the Windows build yet.
    if (IsNetworkPortName(target)) return kErrorNotSupported;
    device = std::make_unique<Win32SerialDevice>();
    if (int e = device->Open(target); e != 0) return e;
    device_ = std::move(device);
    return 0;
#else
    if (IsNetworkPortName(target))
        device = std::make_unique<NetworkSerialDevice>(limits_);
    else
        device = std::make_unique<TermiosSerialDevice>(map_);
    // The terminal device maps the name itself (and names the device in its
    // messages); the network device takes the mapped name.
    if (int e = device->Open(IsNetworkPortName(target) ? target : name); e != 0) return e;
    device_ = std::move(device);
    return 0;
#endif
}

void RoutedSerialDevice::Close() {
    if (!device_) return;
    device_->Close();
    device_.reset();
}

int RoutedSerialDevice::SetQueueSizes(int inputSize, int outputSize) {
    return device_ ? device_->SetQueueSizes(inputSize, outputSize) : EBADF;
}
int RoutedSerialDevice::SetLine(const SerialLineSettings& settings) {
    return device_ ? device_->SetLine(settings) : EBADF;
}
int RoutedSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    return device_ ? device_->SetTimeouts(timeouts) : EBADF;
}
int RoutedSerialDevice::Purge(std::uint32_t flags) { return device_ ? device_->Purge(flags) : EBADF; }
int RoutedSerialDevice::Write(const void* data, std::size_t count, std::size_t* written) {
    *written = 0;
    return device_ ? device_->Write(data, count, written) : EBADF;
}
int RoutedSerialDevice::Read(void* data, std::size_t count, std::size_t* got) {
    *got = 0;
    return device_ ? device_->Read(data, count, got) : EBADF;
}
int RoutedSerialDevice::PendingInput(int* count) {
    *count = 0;
    return device_ ? device_->PendingInput(count) : EBADF;
}
int RoutedSerialDevice::TakeLineErrors(std::uint32_t* errors) {
    *errors = 0;
    return device_ ? device_->TakeLineErrors(errors) : EBADF;
}
int RoutedSerialDevice::ModemStatus(std::uint32_t* status) {
    *status = 0;
    return device_ ? device_->ModemStatus(status) : EBADF;
}
int RoutedSerialDevice::WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) {
    *events = 0;
    return device_ ? device_->WaitEvents(mask, stop, events) : EBADF;
}

}  // namespace dsp
