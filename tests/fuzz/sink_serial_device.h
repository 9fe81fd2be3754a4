#pragma once
// A serial device with nothing behind it: it opens under any name, takes
// every byte and never reports a line event. The headless fuzz target drives
// the window over it, so a connect costs no pseudo-terminal and the run's
// memory does not grow with what is sent.

#include <cerrno>
#include <span>

#include "platform/serialdev/fd_wait.h"
#include "platform/serialdev/serial_device.h"
#include "platform/serialdev/stop_signal.h"

namespace dsp {

class SinkSerialDevice final : public SerialDevice {
  public:
    int Open(const std::string&) override { return open_ = true, 0; }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int SetQueueSizes(int, int) override { return 0; }
    int SetLine(const SerialLineSettings&) override { return 0; }
    int SetTimeouts(const SerialTimeouts&) override { return 0; }
    int Purge(std::uint32_t) override { return 0; }
    int Write(const void*, std::size_t count, std::size_t* written) override {
        *written = count;
        return 0;
    }
    int Read(void*, std::size_t, std::size_t* got) override {
        *got = 0;
        return 0;
    }
    int PendingInput(int* count) override { return *count = 0, 0; }
    int TakeLineErrors(std::uint32_t* errors) override { return *errors = 0, 0; }
    int ModemStatus(std::uint32_t* status) override { return *status = 0, 0; }
    // Nothing ever happens on the line: the wait ends only with the stop.
    int WaitEvents(std::uint32_t, const StopSignal& stop, std::uint32_t* events) override {
        *events = 0;
        FdWaitItem item{.fd = stop.Fd()};
        while (!stop.IsSignalled())
            if (const int error = WaitForInput(std::span(&item, 1), -1); error != 0) return error;
        return ECANCELED;
    }

  private:
    bool open_ = false;
};

}  // namespace dsp
