#include "main/remote/osc_server.h"

#include "main/remote/osc_reader.h"
#include "platform/framework/application.h"
#include "platform/framework/control.h"

namespace dsp {

namespace {
constexpr std::uint32_t kLoopbackNet = 127;
}  // namespace

// A window timer with no window: it fires the coalesced feedback.
class OscServer::FlushTimer : public TControl {
  public:
    explicit FlushTimer(OscServer& server) : TControl(nullptr), server_(server) {}

  protected:
    void TimerFired(uint32_t) override {
        server_.surface_.Flush();
        server_.ScheduleFlush();
    }

  private:
    OscServer& server_;
};

struct OscServer::Batch {
    std::vector<OscReceived> messages;
    std::vector<std::pair<UdpEndpoint, std::string_view>> refused;
    bool Empty() const { return messages.empty() && refused.empty(); }
};

OscServer::OscServer(TApplication& app, RemotePanel& panel, std::ostream& diagnostics)
    : app_(app),
      surface_(panel, app.GetClock(), diagnostics,
               [this](const UdpEndpoint& to, std::span<const std::uint8_t> datagram) {
                   socket_.Send(datagram.data(), datagram.size(), to);
               }),
      timer_(std::make_unique<FlushTimer>(*this)) {}

OscServer::~OscServer() {
    stopping_ = true;
    if (thread_.joinable()) {
        stopRequested_ = true;
        stop_.Signal();
        // The thread may be waiting for the dispatcher to take its batch.
        app_.Dispatcher().ServeUntil([this] { return threadDone_.load(); });
        thread_.join();
    }
}

int OscServer::Start(const UdpEndpoint& local) {
    if (const int error = socket_.Bind(local); error != 0) return error;
    thread_ = std::thread([this] { ReceiveLoop(); });
    const UdpEndpoint bound = socket_.LocalEndpoint();
    if (bound.address >> 24 != kLoopbackNet) advert_.Start("dsp-panel", "_osc._udp", bound.port);
    return 0;
}

void OscServer::ReceiveLoop() {
    std::vector<std::uint8_t> buffer(kMaxPacket);
    for (;;) {
        bool readable = false;
        const int error = socket_.WaitReadable(stop_.Fd(), -1, &readable);
        if (stopRequested_ || error != 0) break;
        if (!readable) continue;
        auto batch = std::make_shared<Batch>();
        if (!ReadInto(*batch, buffer)) break;
        if (batch->Empty()) continue;
        app_.Dispatcher().PostAndWaitTaken([this, batch] { Take(*batch); });
    }
    threadDone_ = true;
    app_.Dispatcher().Wake();
}

// Reads the packets waiting now, up to a batch; false on a socket error.
bool OscServer::ReadInto(Batch& batch, std::vector<std::uint8_t>& buffer) {
    std::vector<OscMessage> messages;
    while (batch.messages.size() < kBatchMessages) {
        UdpReceived received;
        if (socket_.Receive(buffer.data(), buffer.size(), &received) != 0) return false;
        if (!received.any) break;
        messages.clear();
        std::string_view why = received.truncated ? "packet too long" : std::string_view{};
        if (why.empty()) why = ReadOscPacket(std::span(buffer.data(), received.size), messages);
        if (!why.empty()) {
            batch.refused.emplace_back(received.from, why);
            continue;
        }
        for (OscMessage& message : messages) batch.messages.push_back({received.from, std::move(message)});
    }
    return true;
}

void OscServer::Take(const Batch& batch) {
    if (stopping_) return;
    for (const auto& [from, why] : batch.refused) surface_.Refuse(from, why);
    surface_.Receive(batch.messages);
}

void OscServer::Changed(const CommandRow& row, int value, std::uint64_t client) {
    surface_.Changed(row, value, client);
    ScheduleFlush();
}

void OscServer::ScheduleFlush() {
    const std::optional<TimeMs> due = surface_.NextDue();
    if (!due) {
        timer_->KillTimer(1);
        return;
    }
    const TimeMs wait = std::max<TimeMs>(*due - app_.GetClock().Now(), 1);
    timer_->SetTimer(1, static_cast<uint32_t>(wait));
}

}  // namespace dsp
