#pragma once
// The serial device the program opens ports with: it maps the port name
// through the PortMap and opens a network connection for "socket://" and
// "rfc2217://" names (given directly or as a COMn mapping), a terminal device
// for everything else.

#include <memory>

#include "platform/serialdev/network_serial_device.h"
#include "platform/serialdev/port_map.h"
#include "platform/serialdev/serial_device.h"

namespace dsp {

class RoutedSerialDevice final : public SerialDevice {
  public:
    explicit RoutedSerialDevice(PortMap map = {}, NetworkLimits limits = {});

    int Open(const std::string& name) override;
    void Close() override;
    bool IsOpen() const override { return device_ && device_->IsOpen(); }

    int SetQueueSizes(int inputSize, int outputSize) override;
    int SetLine(const SerialLineSettings& settings) override;
    int SetTimeouts(const SerialTimeouts& timeouts) override;
    int Purge(std::uint32_t flags) override;
    int Write(const void* data, std::size_t count, std::size_t* written) override;
    int Read(void* data, std::size_t count, std::size_t* got) override;
    int PendingInput(int* count) override;
    int TakeLineErrors(std::uint32_t* errors) override;
    int ModemStatus(std::uint32_t* status) override;
    int WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) override;

    // The device behind the open port (null while closed).
    SerialDevice* Inner() const { return device_.get(); }

  private:
    PortMap map_;
    NetworkLimits limits_;
    std::unique_ptr<SerialDevice> device_;
};

}  // namespace dsp
