#include "platform/serialdev/stop_signal.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace dsp {

StopSignal::StopSignal() {
    handle_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!handle_) error_ = int(GetLastError());
}

StopSignal::~StopSignal() {
    if (handle_) CloseHandle(handle_);
}

void StopSignal::Signal() const { SetEvent(handle_); }

void StopSignal::Reset() const { ResetEvent(handle_); }

bool StopSignal::IsSignalled() const { return WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0; }

}  // namespace dsp
