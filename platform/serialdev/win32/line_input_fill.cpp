#include <io.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <array>
#include <mutex>

#include "platform/serialdev/line_input.h"

namespace dsp {

// What the reading thread has read and the reader not yet taken. Shared with
// the thread, which may outlive the LineInput: a read of a console or pipe
// that nothing ends keeps it blocked until the process ends.
struct LineInput::Feed {
    std::mutex lock;
    std::string data;
    bool ended = false;
    HANDLE input = INVALID_HANDLE_VALUE;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // data or the end waits
    HANDLE thread = nullptr;

    ~Feed() {
        if (ready) CloseHandle(ready);
        if (thread) CloseHandle(thread);
    }

    void Put(const char* bytes, DWORD size, bool end) {
        std::lock_guard guard(lock);
        data.append(bytes, size);
        ended = ended || end;
        SetEvent(ready);
    }

    static DWORD WINAPI Read(void* parameter) {
        const auto* owner = static_cast<std::shared_ptr<Feed>*>(parameter);
        const std::shared_ptr<Feed> feed = *owner;
        delete owner;
        char chunk[4096];
        for (;;) {
            DWORD got = 0;
            // A pipe whose writer has gone, the end of a file, a console's
            // Ctrl+Z, a cancelled read: all end the input.
            if (!ReadFile(feed->input, chunk, sizeof chunk, &got, nullptr) || got == 0) {
                feed->Put(chunk, 0, true);
                return 0;
            }
            feed->Put(chunk, got, false);
        }
    }
};

LineInput::~LineInput() {
    // A thread blocked in its read is asked to stop; if the system cannot
    // cancel the read, the thread is left to the end of the process.
    if (feed_ && feed_->thread) CancelSynchronousIo(feed_->thread);
}

void LineInput::Fill() {
    if (!feed_) {
        feed_ = std::make_shared<Feed>();
        feed_->input = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
        auto* shared = new std::shared_ptr<Feed>(feed_);
        feed_->thread = feed_->ready ? CreateThread(nullptr, 0, &Feed::Read, shared, 0, nullptr) : nullptr;
        if (!feed_->thread) {
            delete shared;
            ended_ = true;
            return;
        }
    }
    std::array<HANDLE, 2> items{feed_->ready, stop_};
    const DWORD r = WaitForMultipleObjects(stop_ ? 2 : 1, items.data(), FALSE, INFINITE);
    if (r == WAIT_OBJECT_0 + 1 ||
        (r == WAIT_OBJECT_0 && stop_ && WaitForSingleObject(stop_, 0) == WAIT_OBJECT_0)) {
        stopped_ = true;
        return;
    }
    if (r != WAIT_OBJECT_0) {
        ended_ = true;
        return;
    }
    std::lock_guard guard(feed_->lock);
    buffer_.append(feed_->data);
    feed_->data.clear();
    ended_ = feed_->ended;
    ResetEvent(feed_->ready);
}

}  // namespace dsp
