#pragma once
// The port a command-line command writes frames to: opened through the port
// map, written frame by frame, every failure told in one line on `err` with
// the port, its device and the plain reason. `send` and `scene apply` share it.

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "main/protocol/frame.h"
#include "platform/serialdev/port_map.h"
#include "serial/com_port.h"

namespace dsp {

class SerialDevice;

// Exit status when the port cannot be opened or written.
inline constexpr int kExitPortError = 1;

using SendDeviceMaker =
    std::function<std::unique_ptr<SerialDevice>(const PortMap& map, const std::string& name)>;

// The device the program itself uses: local, terminal or network, by the map.
SendDeviceMaker RoutedDeviceMaker();

class CliPort {
  public:
    CliPort(std::string name, PortMap map, const SendDeviceMaker& makeDevice);
    ~CliPort();

    bool Open(std::ostream& err);
    bool Send(const Frame& frame, std::ostream& err);
    bool Close(std::ostream& err);

  private:
    std::string name_;
    PortMap map_;
    TComPort port_;
};

}  // namespace dsp
