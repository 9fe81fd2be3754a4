#include "main/sim/simulated_line.h"

#include <cerrno>
#include <span>
#include <vector>

#include "main/sim/unit_simulator.h"
#include "platform/serialdev/stop_signal.h"
#include "platform/sys/waitable.h"

namespace dsp {

int SimulatedLine::Open(const std::string&) {
    open_ = true;
    return 0;
}

int SimulatedLine::Write(const void* data, std::size_t count, std::size_t* written) {
    simulator_.Feed(std::span(static_cast<const std::uint8_t*>(data), count));
    *written = count;
    return 0;
}

int SimulatedLine::Read(void*, std::size_t, std::size_t* got) {
    *got = 0;
    return 0;
}

int SimulatedLine::PendingInput(int* count) {
    *count = 0;
    return 0;
}

int SimulatedLine::TakeLineErrors(std::uint32_t* errors) {
    *errors = 0;
    return 0;
}

int SimulatedLine::ModemStatus(std::uint32_t* status) {
    *status = 0;
    return 0;
}

int SimulatedLine::WaitEvents(std::uint32_t, const StopSignal& stop, std::uint32_t* events) {
    *events = 0;
    const Waitable items[] = {stop.Handle()};
    std::vector<bool> ready;
    while (!stop.IsSignalled()) {
        if (const int error = WaitAny(items, -1, ready); error != 0) return error;
    }
    return ECANCELED;
}

}  // namespace dsp
