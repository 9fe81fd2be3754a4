#pragma once
// SerialDevice over a TCP connection: "socket://HOST:PORT" passes bytes as
// they are, "rfc2217://HOST:PORT" speaks Telnet with COM-port control, so the
// server sets its line as the port's settings say.
//
// Behaviour chosen to match a local line:
// - A connection the server ended or that broke (reset, keepalive timeout)
//   behaves as an unplugged adapter: writes fail with an I/O error, the line-error
//   event fires once and TakeLineErrors reports an I/O error from then on.
// - Every wait for the server has a time limit: connecting, the option
//   handshake and the answers to line settings. A server that never answers
//   a setting within the limit is trusted to have taken it; one that answers
//   with another value refuses the setting (EINVAL).
// - Received line data waits in a queue of our own (the "driver's queue");
//   bytes beyond its limit are dropped and reported as a receive overflow.
// - The server's answers to option requests are sent whenever bytes are read:
//   by a write, a query or the event wait.

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/net/tcp_socket.h"
#include "platform/serialdev/network_port_name.h"
#include "platform/serialdev/port_map.h"
#include "platform/serialdev/rfc2217_session.h"
#include "platform/serialdev/serial_device.h"
#include "platform/serialdev/stop_signal.h"

namespace dsp {

struct NetworkLimits {
    int connectMs = 3000;  // connecting, per address
    int replyMs = 1500;    // the option handshake; answers to line settings
    int closeMs = 300;     // waiting for the server to end the connection on close
    // After the last write, the time the server is given to put the bytes on
    // its line before a close: servers empty their line's queues when the
    // client leaves, which would cut off the tail of what was just sent.
    int lingerMs = 100;
};

class NetworkSerialDevice final : public SerialDevice {
  public:
    // `map` turns a port name (COMn) into the network name it stands for.
    explicit NetworkSerialDevice(NetworkLimits limits = {}, PortMap map = {});
    ~NetworkSerialDevice() override;

    // `name` is a network port name (with or without the "\\.\" prefix), or
    // a port name the map turns into one.
    int Open(const std::string& name) override;
    void Close() override;
    bool IsOpen() const override { return socket_.IsOpen(); }

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

  private:
    using Clock = std::chrono::steady_clock;

    bool Telnet() const { return protocol_ == NetworkProtocol::Rfc2217; }
    int Handshake();
    int AwaitLineAnswer();
    // Reads what the socket holds, decodes it and sends the replies it calls
    // for. Returns 0 or errno; a lost connection sets hungUp_.
    int Pump();
    int SendAll(const std::uint8_t* data, std::size_t size, Clock::time_point deadline, std::size_t* sent);
    int SendReplies(const std::vector<std::uint8_t>& replies);
    void Linger();
    void AddEvents(std::uint32_t events);
    void MarkHungUp();
    std::size_t TakeInput(std::uint8_t* out, std::size_t count);

    NetworkLimits limits_;
    PortMap map_;
    NetworkProtocol protocol_ = NetworkProtocol::RawTcp;
    TcpSocket socket_;
    StopSignal wake_;  // tells the event wait that events were added elsewhere
    std::mutex sendLock_;

    // Guarded by lock_.
    std::mutex lock_;
    Rfc2217Session session_;
    std::deque<std::uint8_t> input_;
    std::uint32_t events_ = 0;
    std::uint32_t overflow_ = 0;

    std::atomic<bool> hungUp_{false};
    std::atomic<std::uint32_t> watchMask_{0};
    std::atomic<int> inputSize_{1024};
    SerialTimeouts timeouts_;
    std::atomic<std::uint32_t> baudRate_{9600};
    // When the bytes written so far will have left the server's line (0:
    // nothing written since the port opened).
    std::atomic<Clock::rep> lineBusyUntil_{0};
};

}  // namespace dsp
