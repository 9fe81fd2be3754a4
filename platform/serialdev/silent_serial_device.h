#pragma once
// A serial device whose line is silent: it opens under any name, takes every
// byte written, never has anything to read and never reports a line event;
// a wait for events ends only with the stop. The unit simulator's in-process
// line and the fuzz targets' sink build on it.

#include "platform/serialdev/serial_device.h"

namespace dsp {

class SilentSerialDevice : public SerialDevice {
  public:
    int Open(const std::string&) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int SetQueueSizes(int, int) override { return 0; }
    int SetLine(const SerialLineSettings&) override { return 0; }
    int SetTimeouts(const SerialTimeouts&) override { return 0; }
    int Purge(std::uint32_t) override { return 0; }
    int Write(const void* data, std::size_t count, std::size_t* written) override;
    int Read(void*, std::size_t, std::size_t* got) override;
    int PendingInput(int* count) override;
    int TakeLineErrors(std::uint32_t* errors) override;
    int ModemStatus(std::uint32_t* status) override;
    int WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) override;

  private:
    bool open_ = false;
};

}  // namespace dsp
