#pragma once
// The serial device as the serial port component sees it: one small interface
// with the operations the component needs, so that the component can be built
// over termios (TermiosSerialDevice) and tested over a recording fake.
//
// Every operation returns 0 or the errno of the system call that failed; the
// serial layer turns that into its own error numbers.

#include <cstddef>
#include <cstdint>
#include <string>

namespace dsp {

class StopSignal;

// Line events, with the bit values of the classic comm event mask so that the
// component's mapping table reads the same in both directions.
namespace serial_event {
inline constexpr std::uint32_t kRxChar = 0x0001;
inline constexpr std::uint32_t kRxFlag = 0x0002;
inline constexpr std::uint32_t kTxEmpty = 0x0004;
inline constexpr std::uint32_t kCts = 0x0008;
inline constexpr std::uint32_t kDsr = 0x0010;
inline constexpr std::uint32_t kRlsd = 0x0020;
inline constexpr std::uint32_t kBreak = 0x0040;
inline constexpr std::uint32_t kErr = 0x0080;
inline constexpr std::uint32_t kRing = 0x0100;
inline constexpr std::uint32_t kRx80Full = 0x0400;
} // namespace serial_event

// Line error flags, as the classic error word has them.
namespace line_error {
inline constexpr std::uint32_t kRxOver = 0x0001;
inline constexpr std::uint32_t kOverrun = 0x0002;
inline constexpr std::uint32_t kRxParity = 0x0004;
inline constexpr std::uint32_t kFrame = 0x0008;
inline constexpr std::uint32_t kBreak = 0x0010;
inline constexpr std::uint32_t kTxFull = 0x0100;
inline constexpr std::uint32_t kIo = 0x0400;
inline constexpr std::uint32_t kMode = 0x8000;
} // namespace line_error

// Modem input lines, as the classic modem status word has them.
namespace modem_status {
inline constexpr std::uint32_t kCts = 0x10;
inline constexpr std::uint32_t kDsr = 0x20;
inline constexpr std::uint32_t kRing = 0x40;
inline constexpr std::uint32_t kRlsd = 0x80;
} // namespace modem_status

namespace purge {
inline constexpr std::uint32_t kTxAbort = 0x1;
inline constexpr std::uint32_t kRxAbort = 0x2;
inline constexpr std::uint32_t kTxClear = 0x4;
inline constexpr std::uint32_t kRxClear = 0x8;
} // namespace purge

enum class LineParity { None, Odd, Even, Mark, Space };
enum class LineStopBits { One, OneAndHalf, Two };
enum class LineDtr { Disable, Enable, Handshake };
enum class LineRts { Disable, Enable, Handshake, Toggle };

// Everything the component's line settings say about the line, one field per
// setting (the component fills it from its properties).
struct SerialLineSettings {
    std::uint32_t baudRate = 9600;
    int dataBits = 8; // 5..8
    LineParity parity = LineParity::None;
    LineStopBits stopBits = LineStopBits::One;
    bool parityCheck = false;
    bool replaceOnParityError = false;
    std::uint8_t replaceChar = 0;
    bool outCtsFlow = false;
    bool outDsrFlow = false;
    LineDtr dtr = LineDtr::Disable;
    LineRts rts = LineRts::Disable;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = false;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    bool discardNull = false;
    std::uint8_t xonChar = 17;
    std::uint8_t xoffChar = 19;
    int xonLim = 256;
    int xoffLim = 256;
    std::uint8_t eventChar = 0;
};

// Milliseconds; handed over as unsigned numbers, so 0xFFFFFFFF is "maximum".
struct SerialTimeouts {
    std::uint32_t readInterval = 0xFFFFFFFFu;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 100;
    std::uint32_t writeTotalConstant = 1000;
};

class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Exclusive open of a port name ("\\.\COM1", or a path beginning with "/").
    virtual int Open(const std::string& name) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    virtual int SetQueueSizes(int inputSize, int outputSize) = 0;
    virtual int SetLine(const SerialLineSettings& settings) = 0;
    virtual int SetTimeouts(const SerialTimeouts& timeouts) = 0;
    virtual int Purge(std::uint32_t flags) = 0;

    // Writes with the total write timeout; a timeout is no error, `written`
    // tells how far it got.
    virtual int Write(const void* data, std::size_t count, std::size_t* written) = 0;
    virtual int Read(void* data, std::size_t count, std::size_t* got) = 0;

    virtual int PendingInput(int* count) = 0;
    virtual int TakeLineErrors(std::uint32_t* errors) = 0;
    virtual int ModemStatus(std::uint32_t* status) = 0;

    // Blocks until one of the events in `mask` happens or `stop` is signalled.
    // Returns 0 with the events, or ECANCELED when the stop signal won.
    virtual int WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) = 0;
};

} // namespace dsp
