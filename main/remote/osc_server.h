#pragma once
// `--osc [ADDR:]PORT`: the OSC surface on a UDP socket. A receiving thread
// waits for packets, reads them (the strict reader refuses bad ones there,
// off the window's thread) and hands them in batches to the window's thread
// through the application's dispatcher, as the serial port's thread hands
// its events; while the window is busy, packets wait in the socket and the
// next batch takes up to kBatchMessages at once. Answers and feedback are
// sent from the window's thread; sending never blocks.
//
// Coalesced feedback goes out on a window timer, so it follows the
// application's clock (a fake one in tests and in `--headless`).
// Bound to anything but a loopback address, the service is advertised as
// `_osc._udp` where an avahi daemon runs.

#include <atomic>
#include <iosfwd>
#include <memory>
#include <thread>

#include "main/remote/osc_surface.h"
#include "platform/framework/wait.h"
#include "platform/net/service_advert.h"
#include "platform/net/udp_socket.h"

namespace dsp {

class TApplication;

class OscServer {
  public:
    static constexpr std::size_t kBatchMessages = 64;
    static constexpr std::size_t kMaxPacket = 65536;

    OscServer(TApplication& app, RemotePanel& panel, std::ostream& diagnostics);
    ~OscServer();
    OscServer(const OscServer&) = delete;
    OscServer& operator=(const OscServer&) = delete;

    // Binds and starts answering. 0 or errno.
    int Start(const UdpEndpoint& local);
    UdpEndpoint LocalEndpoint() const { return socket_.LocalEndpoint(); }

    // A change of the panel, from whatever source (client 0: not remote).
    void Changed(const CommandRow& row, int value, std::uint64_t client);
    std::size_t Subscribers() { return surface_.Subscribers(); }

  private:
    class FlushTimer;
    struct Batch;

    void ReceiveLoop();
    bool ReadInto(Batch& batch, std::vector<std::uint8_t>& buffer);
    void Take(const Batch& batch);
    void ScheduleFlush();

    TApplication& app_;
    UdpSocket socket_;
    OscSurface surface_;
    std::unique_ptr<FlushTimer> timer_;
    WakeSignal stop_;
    std::thread thread_;
    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> threadDone_{false};
    bool stopping_ = false;  // window's thread only
    ServiceAdvert advert_;
};

}  // namespace dsp
