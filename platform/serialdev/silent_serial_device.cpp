#include "platform/serialdev/silent_serial_device.h"

#include <cerrno>
#include <vector>

#include "platform/serialdev/stop_signal.h"
#include "platform/sys/waitable.h"

namespace dsp {

int SilentSerialDevice::Open(const std::string&) {
    open_ = true;
    return 0;
}

int SilentSerialDevice::Write(const void*, std::size_t count, std::size_t* written) {
    *written = count;
    return 0;
}

int SilentSerialDevice::Read(void*, std::size_t, std::size_t* got) {
    *got = 0;
    return 0;
}

int SilentSerialDevice::PendingInput(int* count) {
    *count = 0;
    return 0;
}

int SilentSerialDevice::TakeLineErrors(std::uint32_t* errors) {
    *errors = 0;
    return 0;
}

int SilentSerialDevice::ModemStatus(std::uint32_t* status) {
    *status = 0;
    return 0;
}

int SilentSerialDevice::WaitEvents(std::uint32_t, const StopSignal& stop, std::uint32_t* events) {
    *events = 0;
    const Waitable items[] = {stop.Handle()};
    std::vector<bool> ready;
    while (!stop.IsSignalled()) {
        if (const int error = WaitAny(items, -1, ready); error != 0) return error;
    }
    return ECANCELED;
}

}  // namespace dsp
