#pragma once
// What the panel program takes from the desktop it runs on: a window host,
// the end of the window with its display, and the unit simulator on a line of
// its own (--simulate). desktop_services.cpp has the Linux ones,
// desktop_services_windows.cpp those of the Windows build.

#include <iosfwd>
#include <memory>
#include <string>

#include "platform/framework/host.h"
#include "platform/serialdev/routed_device_factory.h"

namespace dsp {

class TForm1;

// The unit simulator at the far end of COM1: on Linux on its own thread and
// pseudo-terminal, whose device name COM1 maps to; on Windows, which has no
// pseudo-terminals, on a line inside the process that the device factory
// hands out for COM1.
class Simulation {
  public:
    Simulation();
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    bool Start(std::ostream& out, std::ostream& err);
    // The device COM1 maps to; empty when the line is inside the process.
    const std::string& DevicePath() const;
    // The factory the panel opens its ports with, given the usual one.
    SerialDeviceFactory Devices(SerialDeviceFactory routed) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The headless host, or the desktop's; null (with the reason on `err`) when
// there is no display to open windows on.
std::unique_ptr<WindowHost> OpenHost(bool headless, std::ostream& err);

// The window cannot outlive its display: before the program ends, the port
// is closed, so that the line is left as a disconnect leaves it.
void EndWithTheDisplay(WindowHost& host, TForm1& form, std::ostream& out, std::ostream& err);

}  // namespace dsp
