#include "platform/sys/waitable.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <stdexcept>
#include <string>

namespace dsp {

// MsgWaitForMultipleObjectsEx, so that a window message posted to this thread
// ends the wait like a signalled item does; the caller then pumps messages.
int WaitAny(std::span<const Waitable> items, int timeoutMs, std::vector<bool>& ready) {
    ready.assign(items.size(), false);
    if (items.size() >= MAXIMUM_WAIT_OBJECTS) return ERROR_INVALID_PARAMETER;
    const DWORD timeout = timeoutMs < 0 ? INFINITE : DWORD(timeoutMs);
    const DWORD r = MsgWaitForMultipleObjectsEx(DWORD(items.size()), items.data(), timeout, QS_ALLINPUT,
                                                MWMO_INPUTAVAILABLE);
    if (r == WAIT_FAILED) return int(GetLastError());
    if (r == WAIT_TIMEOUT || r >= WAIT_OBJECT_0 + items.size()) return 0;
    // Only the first signalled item is reported by the wait; the others are
    // looked at one by one so that none is left waiting for the next round.
    for (std::size_t i = r - WAIT_OBJECT_0; i < items.size(); ++i) ready[i] = IsSignalled(items[i]);
    return 0;
}

bool IsSignalled(Waitable item) { return WaitForSingleObject(item, 0) == WAIT_OBJECT_0; }

WakeSignal::WakeSignal() {
    handle_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!handle_) throw std::runtime_error("CreateEvent failed: error " + std::to_string(GetLastError()));
}

WakeSignal::~WakeSignal() { CloseHandle(handle_); }

void WakeSignal::Signal() const { SetEvent(handle_); }

void WakeSignal::Clear() const { ResetEvent(handle_); }

}  // namespace dsp
