#include "platform/serialdev/network_serial_device.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <string_view>

#include "platform/sys/waitable.h"

namespace dsp {
namespace {

constexpr std::size_t kInputLimit = 64 * 1024;
// The slice in which a wait for an answer looks again: another thread may
// have read the answer in the meantime.
constexpr int kAnswerSliceMs = 20;

// Errors of a connection that is gone for good.
bool ConnectionLost(int error) {
    return error == socket_error::kShutDown || error == socket_error::kConnectionReset ||
           error == socket_error::kNotConnected || error == socket_error::kTimedOut ||
           error == socket_error::kHostUnreachable || error == socket_error::kNetUnreachable ||
           error == socket_error::kConnectionAborted;
}

int MillisecondsLeft(std::chrono::steady_clock::time_point deadline) {
    auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

}  // namespace

NetworkSerialDevice::NetworkSerialDevice(NetworkLimits limits, PortMap map)
    : limits_(limits), map_(std::move(map)) {}

NetworkSerialDevice::~NetworkSerialDevice() { Close(); }

int NetworkSerialDevice::Open(const std::string& name) {
    if (IsOpen()) return socket_error::kBusy;
    NetworkPortName parsed;
    if (!ParseNetworkPortName(map_.Resolve(name), &parsed)) return socket_error::kInvalid;
    if (wake_.Error() != 0) return wake_.Error();
    protocol_ = parsed.protocol;
    if (int e = socket_.Connect(parsed.host, parsed.port, limits_.connectMs); e != 0) return e;
    hungUp_ = false;
    {
        std::lock_guard guard(lock_);
        session_ = Rfc2217Session();
        input_.clear();
        events_ = overflow_ = 0;
    }
    wake_.Reset();
    if (int e = Telnet() ? Handshake() : 0; e != 0) {
        socket_.Close();
        return e;
    }
    return 0;
}

// Offers the options and waits, within the reply limit, for the server to
// take COM-port control.
int NetworkSerialDevice::Handshake() {
    std::vector<std::uint8_t> greeting;
    {
        std::lock_guard guard(lock_);
        greeting = session_.Greeting();
    }
    if (int e = SendReplies(greeting); e != 0) return e;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits_.replyMs);
    for (;;) {
        if (int e = Pump(); e != 0) return e;
        if (hungUp_) return socket_error::kConnectionReset;
        {
            std::lock_guard guard(lock_);
            if (session_.ComPortAccepted()) return 0;
            if (session_.ComPortRefused()) return socket_error::kProtocolNotSupported;
        }
        const int left = MillisecondsLeft(deadline);
        if (left == 0) return socket_error::kTimedOut;
        short ready = 0;
        if (int e = socket_.Wait(socket_ready::kReadable, left, &ready); e != 0) return e;
    }
}

void NetworkSerialDevice::Linger() {
    if (lineBusyUntil_ == 0) return;  // nothing written
    const Clock::time_point until = Clock::time_point{Clock::duration(lineBusyUntil_.load())} +
                                    std::chrono::milliseconds(limits_.lingerMs);
    if (until <= Clock::now()) return;
    short ready = 0;
    // Waiting on the socket: a server that ends the connection ends the wait.
    while (!hungUp_ && Clock::now() < until &&
           socket_.Wait(socket_ready::kReadable, MillisecondsLeft(until), &ready) == 0 && ready)
        if (Pump() != 0) break;
}

void NetworkSerialDevice::Close() {
    if (!IsOpen()) return;
    Linger();
    // Ending our side first and reading until the server ends its side lets
    // the server pass on every byte written: closing a socket that still
    // holds unread input resets the connection instead.
    socket_.ShutdownSend();
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits_.closeMs);
    while (!hungUp_) {
        short ready = 0;
        if (socket_.Wait(socket_ready::kReadable, MillisecondsLeft(deadline), &ready) != 0 || ready == 0)
            break;
        if (Pump() != 0) break;
    }
    socket_.Close();
    hungUp_ = false;
    lineBusyUntil_ = 0;
}

int NetworkSerialDevice::SetQueueSizes(int inputSize, int outputSize) {
    if (inputSize < 0 || outputSize < 0) return socket_error::kInvalid;
    inputSize_ = inputSize;
    return 0;
}

int NetworkSerialDevice::SetLine(const SerialLineSettings& settings) {
    if (!IsOpen()) return socket_error::kBadHandle;
    if (settings.dataBits < 5 || settings.dataBits > 8 || settings.baudRate == 0)
        return socket_error::kInvalid;
    baudRate_ = settings.baudRate;
    if (!Telnet()) return 0;  // a raw connection's line is set at the server
    if (hungUp_) return socket_error::kIo;
    std::vector<std::uint8_t> requests;
    {
        std::lock_guard guard(lock_);
        requests = session_.LineRequests(settings);
    }
    if (int e = SendReplies(requests); e != 0) return e;
    return AwaitLineAnswer();
}

int NetworkSerialDevice::AwaitLineAnswer() {
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits_.replyMs);
    for (;;) {
        if (int e = Pump(); e != 0) return e;
        if (hungUp_) return socket_error::kIo;
        Rfc2217Session::LineAnswer answer;
        {
            std::lock_guard guard(lock_);
            answer = session_.LineAnswered();
        }
        if (answer == Rfc2217Session::LineAnswer::Agreed) return 0;
        if (answer == Rfc2217Session::LineAnswer::Refused) return socket_error::kInvalid;
        const int left = MillisecondsLeft(deadline);
        if (left == 0) return 0;  // no answer in time: taken as done
        short ready = 0;
        if (int e = socket_.Wait(socket_ready::kReadable, std::min(left, kAnswerSliceMs), &ready); e != 0)
            return e;
    }
}

int NetworkSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    if (!IsOpen()) return socket_error::kBadHandle;
    timeouts_ = timeouts;
    return 0;
}

int NetworkSerialDevice::Purge(std::uint32_t flags) {
    if (!IsOpen()) return socket_error::kBadHandle;
    // As on a local line, only received input is thrown away: bytes already
    // handed to the connection are on their way.
    if (flags & purge::kRxClear) {
        std::lock_guard guard(lock_);
        input_.clear();
    }
    return 0;
}

void NetworkSerialDevice::AddEvents(std::uint32_t events) {
    if (events == 0) return;
    {
        std::lock_guard guard(lock_);
        events_ |= events;
    }
    wake_.Signal();
}

void NetworkSerialDevice::MarkHungUp() {
    if (hungUp_.exchange(true)) return;
    AddEvents(serial_event::kErr);
}

int NetworkSerialDevice::Pump() {
    if (hungUp_) return 0;
    std::vector<std::uint8_t> replies;
    std::uint32_t raised = 0;
    bool lost = false;
    {
        std::lock_guard guard(lock_);
        std::uint8_t buffer[4096];
        std::vector<std::uint8_t> data;
        for (;;) {
            std::size_t got = 0;
            bool closed = false;
            int e = socket_.Receive(buffer, sizeof buffer, &got, &closed);
            if (e != 0 && !ConnectionLost(e)) return e;
            if (e != 0 || closed) {
                lost = true;
                break;
            }
            if (got == 0) break;
            std::span<const std::uint8_t> bytes(buffer, got);
            if (Telnet())
                raised |= session_.Receive(bytes, &data, &replies);
            else
                data.insert(data.end(), bytes.begin(), bytes.end());
        }
        if (!data.empty()) {
            const std::size_t before = input_.size();
            const std::size_t room = kInputLimit - std::min(kInputLimit, input_.size());
            input_.insert(input_.end(), data.begin(), data.begin() + std::min(room, data.size()));
            if (data.size() > room) {
                overflow_ |= line_error::kRxOver;
                raised |= serial_event::kErr;
            }
            if (input_.size() > before) raised |= serial_event::kRxChar;
            const std::size_t threshold = static_cast<std::size_t>(inputSize_ / 10 * 8);
            if (threshold > 0 && before < threshold && input_.size() >= threshold)
                raised |= serial_event::kRx80Full;
        }
    }
    AddEvents(raised);
    if (lost) {
        MarkHungUp();
        return 0;
    }
    return replies.empty() ? 0 : SendReplies(replies);
}

int NetworkSerialDevice::SendReplies(const std::vector<std::uint8_t>& replies) {
    std::size_t sent = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(limits_.replyMs);
    int e = SendAll(replies.data(), replies.size(), deadline, &sent);
    if (e == 0 && sent < replies.size()) return socket_error::kTimedOut;
    return e;
}

int NetworkSerialDevice::SendAll(const std::uint8_t* data, std::size_t size, Clock::time_point deadline,
                                 std::size_t* sent) {
    std::lock_guard guard(sendLock_);
    *sent = 0;
    while (*sent < size) {
        std::size_t n = 0;
        int e = socket_.Send(data + *sent, size - *sent, &n);
        if (e != 0) {
            if (!ConnectionLost(e)) return e;
            MarkHungUp();
            return socket_error::kIo;
        }
        *sent += n;
        if (n > 0) continue;
        const int left = MillisecondsLeft(deadline);
        if (left == 0) break;
        short ready = 0;
        if (int w = socket_.Wait(socket_ready::kWritable, left, &ready); w != 0) return w;
    }
    return 0;
}

int NetworkSerialDevice::Write(const void* data, std::size_t count, std::size_t* written) {
    *written = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    // Reading first notices a server that has ended the connection, which a
    // send alone would report only one write later.
    if (int e = Pump(); e != 0) return e;
    if (hungUp_) return socket_error::kIo;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::vector<std::uint8_t> encoded;
    if (Telnet())
        Rfc2217Session::EncodeData(std::span(bytes, count), &encoded);
    else
        encoded.assign(bytes, bytes + count);
    const std::uint64_t ms =
        timeouts_.writeTotalConstant + std::uint64_t{timeouts_.writeTotalMultiplier} * count;
    const auto deadline =
        (ms == 0) ? Clock::time_point::max()
                  : Clock::now() + std::chrono::milliseconds(std::min<std::uint64_t>(ms, 1u << 30));
    std::size_t sent = 0;
    int e = SendAll(encoded.data(), encoded.size(), deadline, &sent);
    // A data byte counts as written once all of its encoded bytes are.
    std::size_t done = 0;
    for (std::size_t i = 0, at = 0; i < count; ++i) {
        at += (Telnet() && bytes[i] == telnet::kIac) ? 2 : 1;
        if (at > sent) break;
        done = i + 1;
    }
    *written = done;
    if (done > 0) {
        // Ten bits a byte on the server's line, after what is still on it.
        const auto lineTime =
            std::chrono::milliseconds(done * 10 * 1000 / std::max<std::uint32_t>(baudRate_, 1));
        const Clock::time_point start =
            std::max(Clock::now(), Clock::time_point{Clock::duration(lineBusyUntil_)});
        lineBusyUntil_ = (start + lineTime).time_since_epoch().count();
        if (watchMask_ & serial_event::kTxEmpty) AddEvents(serial_event::kTxEmpty);
    }
    return e;
}

std::size_t NetworkSerialDevice::TakeInput(std::uint8_t* out, std::size_t count) {
    std::lock_guard guard(lock_);
    const std::size_t n = std::min(count, input_.size());
    std::copy_n(input_.begin(), n, out);
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
}

int NetworkSerialDevice::Read(void* data, std::size_t count, std::size_t* got) {
    *got = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    const SerialTimeouts& t = timeouts_;
    const bool immediate =
        t.readInterval == 0xFFFFFFFFu && t.readTotalMultiplier == 0 && t.readTotalConstant == 0;
    const std::uint64_t ms = t.readTotalConstant + std::uint64_t{t.readTotalMultiplier} * count;
    const auto deadline =
        (ms == 0) ? Clock::time_point::max()
                  : Clock::now() + std::chrono::milliseconds(std::min<std::uint64_t>(ms, 1u << 30));
    auto* bytes = static_cast<std::uint8_t*>(data);
    std::size_t done = 0;
    for (;;) {
        if (int e = Pump(); e != 0) return e;
        done += TakeInput(bytes + done, count - done);
        if (done == count || immediate || hungUp_) break;
        if (done > 0 && t.readInterval == 0xFFFFFFFFu) break;
        const int left = deadline == Clock::time_point::max() ? -1 : MillisecondsLeft(deadline);
        if (left == 0) break;
        short ready = 0;
        if (int e = socket_.Wait(socket_ready::kReadable, left, &ready); e != 0) return e;
        if (ready == 0) break;
    }
    *got = done;
    return 0;
}

int NetworkSerialDevice::PendingInput(int* count) {
    *count = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    if (int e = Pump(); e != 0) return e;
    std::lock_guard guard(lock_);
    *count = static_cast<int>(input_.size());
    return 0;
}

int NetworkSerialDevice::TakeLineErrors(std::uint32_t* errors) {
    *errors = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    if (hungUp_) {
        *errors = line_error::kIo;
        return 0;
    }
    std::lock_guard guard(lock_);
    *errors = session_.TakeLineErrors() | overflow_;
    overflow_ = 0;
    return 0;
}

int NetworkSerialDevice::ModemStatus(std::uint32_t* status) {
    *status = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    std::lock_guard guard(lock_);
    *status = session_.ModemStatus();
    return 0;
}

int NetworkSerialDevice::WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) {
    *events = 0;
    if (!IsOpen()) return socket_error::kBadHandle;
    watchMask_ = mask;
    std::vector<bool> ready;
    for (;;) {
        {
            std::lock_guard guard(lock_);
            *events = events_ & mask;
            events_ &= ~mask;
        }
        if (*events != 0) return 0;
        // Once the connection is gone the socket stays readable for ever; it
        // is left out so the loop sleeps until the port is closed.
        std::vector<Waitable> items{stop.Handle(), wake_.Handle()};
        if (!hungUp_) items.push_back(socket_.Readable());
        if (int e = WaitAny(items, -1, ready); e != 0) return e;
        if (ready[0]) return ECANCELED;  // the stop always wins
        if (ready[1]) wake_.Reset();
        if (items.size() > 2 && ready[2]) {
            if (int e = Pump(); e != 0) return e;
        }
    }
}

}  // namespace dsp
