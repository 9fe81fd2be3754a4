#pragma once
// A SerialDevice that records every call and answers from a script, so the
// component's own logic can be checked call by call.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/serialdev/serial_device.h"
#include "platform/serialdev/stop_signal.h"
#include "serial/custom_com_port.h"

namespace dsp::test {

// What the fake saw and what it will answer; shared by every device the
// port's factory makes, so it outlives each open.
struct FakeLine {
    std::mutex lock;
    std::condition_variable changed;
    std::vector<std::string> calls;
    int factoryCalls = 0;
    std::string openedName;
    SerialLineSettings line;
    SerialTimeouts timeouts;
    int inputSize = 0, outputSize = 0;
    std::vector<std::uint8_t> written;

    int openError = 0, setLineError = 0, purgeError = 0, writeError = 0, errorsError = 0;
    std::uint32_t lineErrors = 0;
    std::uint32_t modem = 0;
    int pending = 0;
    std::deque<std::uint32_t> events;  // batches WaitEvents hands out, then it blocks
    int waits = 0;                     // WaitEvents calls so far

    void Call(std::string name) {
        std::lock_guard guard(lock);
        calls.push_back(std::move(name));
    }
    int Count(const std::string& name) {
        std::lock_guard guard(lock);
        int n = 0;
        for (const auto& c : calls) n += c == name;
        return n;
    }
    void PushEvents(std::uint32_t mask) {
        {
            std::lock_guard guard(lock);
            events.push_back(mask);
        }
        changed.notify_all();
    }
};

class FakeSerialDevice final : public SerialDevice {
  public:
    explicit FakeSerialDevice(std::shared_ptr<FakeLine> line) : line_(std::move(line)) {}

    int Open(const std::string& name) override {
        line_->Call("Open");
        line_->openedName = name;
        open_ = line_->openError == 0;
        return line_->openError;
    }
    void Close() override {
        line_->Call("Close");
        open_ = false;
    }
    bool IsOpen() const override { return open_; }
    int SetQueueSizes(int in, int out) override {
        line_->Call("SetQueueSizes");
        line_->inputSize = in;
        line_->outputSize = out;
        return 0;
    }
    int SetLine(const SerialLineSettings& s) override {
        line_->Call("SetLine");
        line_->line = s;
        return line_->setLineError;
    }
    int SetTimeouts(const SerialTimeouts& t) override {
        line_->Call("SetTimeouts");
        line_->timeouts = t;
        return 0;
    }
    int Purge(std::uint32_t flags) override {
        line_->Call("Purge" + std::to_string(flags));
        return line_->purgeError;
    }
    int Write(const void* data, std::size_t count, std::size_t* written) override {
        line_->Call("Write");
        *written = 0;
        if (line_->writeError) return line_->writeError;
        auto* p = static_cast<const std::uint8_t*>(data);
        line_->written.insert(line_->written.end(), p, p + count);
        *written = count;
        return 0;
    }
    int Read(void*, std::size_t, std::size_t* got) override {
        *got = 0;
        return 0;
    }
    int PendingInput(int* count) override {
        line_->Call("PendingInput");
        *count = line_->pending;
        return line_->errorsError;
    }
    int TakeLineErrors(std::uint32_t* errors) override {
        line_->Call("TakeLineErrors");
        *errors = line_->lineErrors;
        return line_->errorsError;
    }
    int ModemStatus(std::uint32_t* status) override {
        line_->Call("ModemStatus");
        *status = line_->modem;
        return 0;
    }
    int WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) override {
        std::unique_lock guard(line_->lock);
        ++line_->waits;
        line_->changed.notify_all();
        // Woken by PushEvents; the stop signal is looked at every millisecond.
        for (;;) {
            if (stop.IsSignalled()) return ECANCELED;
            if (!line_->events.empty()) {
                *events = line_->events.front() & mask;
                line_->events.pop_front();
                return 0;
            }
            line_->changed.wait_for(guard, std::chrono::milliseconds(1));
        }
    }

  private:
    std::shared_ptr<FakeLine> line_;
    bool open_ = false;
};

inline SerialDeviceFactory FakeFactory(const std::shared_ptr<FakeLine>& line) {
    return [line](const std::string&) {
        {
            std::lock_guard guard(line->lock);
            ++line->factoryCalls;
        }
        return std::make_unique<FakeSerialDevice>(line);
    };
}

}  // namespace dsp::test
