#include "platform/serialdev/win32/win32_serial_device.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cerrno>

#include "platform/serialdev/network_port_name.h"
#include "platform/serialdev/stop_signal.h"

namespace dsp {
namespace {

// Waits that end aborted this many times in a row mean the driver cannot
// wait for events at all.
constexpr unsigned kAbortsBeforeWatch = 3;

HANDLE H(void* handle) { return static_cast<HANDLE>(handle); }

// One overlapped request: a zeroed OVERLAPPED with a manual-reset event
// created signalled, closed when the request ends.
struct Request {
    OVERLAPPED overlapped{};
    Request() { overlapped.hEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr); }
    ~Request() {
        if (overlapped.hEvent) CloseHandle(overlapped.hEvent);
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;
};

int LastError() { return int(GetLastError()); }

// What ClearCommError tells (and clears): the line errors since the last
// call and the bytes in each queue.
struct CommState {
    std::uint32_t errors = 0;
    std::uint32_t inQueue = 0;
    std::uint32_t outQueue = 0;
};

int TakeCommState(void* handle, CommState* state) {
    if (!handle) return ERROR_INVALID_HANDLE;
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(H(handle), &errors, &status)) return LastError();
    *state = {errors, status.cbInQue, status.cbOutQue};
    return 0;
}

// Counts a transfer as outstanding for as long as it lives.
struct InFlight {
    std::atomic<int>& count;
    explicit InFlight(std::atomic<int>& c) : count(c) { ++count; }
    ~InFlight() { --count; }
    InFlight(const InFlight&) = delete;
    InFlight& operator=(const InFlight&) = delete;
};

}  // namespace

Win32SerialDevice::~Win32SerialDevice() { Close(); }

int Win32SerialDevice::Open(const std::string& name) {
    if (handle_) return ERROR_BUSY;
    const std::string device = map_.Resolve(name);
    if (device.empty()) return ERROR_FILE_NOT_FOUND;
    if (IsNetworkPortName(device)) return kErrorNotSupported;
    HANDLE h = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OVERLAPPED, nullptr);
    if (h == INVALID_HANDLE_VALUE) return LastError();
    handle_ = h;
    setMask_ = 0xFFFFFFFFu;
    watchQueues_ = false;
    aborts_ = 0;
    lastInQueue_ = lastOutQueue_ = 0;
    return 0;
}

void Win32SerialDevice::Close() {
    if (!handle_) return;
    CloseHandle(H(handle_));
    handle_ = nullptr;
}

int Win32SerialDevice::SetQueueSizes(int inputSize, int outputSize) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    return SetupComm(H(handle_), DWORD(inputSize), DWORD(outputSize)) ? 0 : LastError();
}

std::uint32_t Win32SerialDevice::DcbFlags(const SerialLineSettings& s) {
    std::uint32_t flags = 0x0001;  // fBinary
    if (s.parityCheck) flags |= 0x0002;
    if (s.outCtsFlow) flags |= 0x0004;
    if (s.outDsrFlow) flags |= 0x0008;
    flags |= 0x0010u * std::uint32_t(s.dtr);
    if (s.dsrSensitivity) flags |= 0x0040;
    if (s.txContinueOnXoff) flags |= 0x0080;
    if (s.xonXoffOut) flags |= 0x0100;
    if (s.xonXoffIn) flags |= 0x0200;
    if (s.parityCheck && s.replaceOnParityError) flags |= 0x0400;
    if (s.discardNull) flags |= 0x0800;
    flags |= 0x1000u * std::uint32_t(s.rts);
    return flags;  // fAbortOnError stays 0
}

// Every field is set: a terminal under Wine starts with Xon/Xoff on, and a
// DCB that left it would let the driver swallow 0x11 and 0x13.
int Win32SerialDevice::SetLine(const SerialLineSettings& s) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = s.baudRate;
    const std::uint32_t flags = DcbFlags(s);
    dcb.fBinary = flags & 0x0001;
    dcb.fParity = (flags >> 1) & 1;
    dcb.fOutxCtsFlow = (flags >> 2) & 1;
    dcb.fOutxDsrFlow = (flags >> 3) & 1;
    dcb.fDtrControl = (flags >> 4) & 3;
    dcb.fDsrSensitivity = (flags >> 6) & 1;
    dcb.fTXContinueOnXoff = (flags >> 7) & 1;
    dcb.fOutX = (flags >> 8) & 1;
    dcb.fInX = (flags >> 9) & 1;
    dcb.fErrorChar = (flags >> 10) & 1;
    dcb.fNull = (flags >> 11) & 1;
    dcb.fRtsControl = (flags >> 12) & 3;
    dcb.fAbortOnError = 0;
    dcb.XonLim = WORD(s.xonLim);
    dcb.XoffLim = WORD(s.xoffLim);
    dcb.ByteSize = BYTE(s.dataBits);
    dcb.Parity = BYTE(s.parity);
    dcb.StopBits = BYTE(s.stopBits);
    dcb.XonChar = char(s.xonChar);
    dcb.XoffChar = char(s.xoffChar);
    dcb.ErrorChar = dcb.fErrorChar ? char(s.replaceChar) : 0;
    dcb.EofChar = 0;
    dcb.EvtChar = char(s.eventChar);
    return SetCommState(H(handle_), &dcb) ? 0 : LastError();
}

int Win32SerialDevice::SetTimeouts(const SerialTimeouts& t) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    COMMTIMEOUTS timeouts{t.readInterval, t.readTotalMultiplier, t.readTotalConstant, t.writeTotalMultiplier,
                          t.writeTotalConstant};
    return SetCommTimeouts(H(handle_), &timeouts) ? 0 : LastError();
}

// PURGE_TXABORT and PURGE_RXABORT end the overlapped requests still
// outstanding; with none, Windows does nothing for them. Wine flushes the
// terminal's queues for them instead (tcflush), and on a pseudo-terminal that
// throws away written frames the reader has not been handed yet, so an abort
// with nothing outstanding in its direction is not passed on.
int Win32SerialDevice::Purge(std::uint32_t flags) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    if (readsInFlight_ == 0) flags &= ~purge::kRxAbort;
    if (writesInFlight_ == 0) flags &= ~purge::kTxAbort;
    if (flags == 0) return 0;
    return PurgeComm(H(handle_), flags) ? 0 : LastError();
}

int Win32SerialDevice::Transfer(bool write, void* data, std::size_t count, std::size_t* done) {
    *done = 0;
    if (!handle_) return ERROR_INVALID_HANDLE;
    Request request;
    if (!request.overlapped.hEvent) return LastError();
    const InFlight counted(write ? writesInFlight_ : readsInFlight_);
    DWORD n = 0;
    const BOOL started = write ? WriteFile(H(handle_), data, DWORD(count), &n, &request.overlapped)
                               : ReadFile(H(handle_), data, DWORD(count), &n, &request.overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING) return LastError();
    if (WaitForSingleObject(request.overlapped.hEvent, INFINITE) != WAIT_OBJECT_0) return LastError();
    if (!GetOverlappedResult(H(handle_), &request.overlapped, &n, FALSE)) return LastError();
    *done = n;
    return 0;
}

int Win32SerialDevice::Write(const void* data, std::size_t count, std::size_t* written) {
    return Transfer(true, const_cast<void*>(data), count, written);
}

int Win32SerialDevice::Read(void* data, std::size_t count, std::size_t* got) {
    return Transfer(false, data, count, got);
}

int Win32SerialDevice::PendingInput(int* count) {
    *count = 0;
    CommState state;
    if (int e = TakeCommState(handle_, &state); e != 0) return e;
    *count = int(state.inQueue);
    return 0;
}

int Win32SerialDevice::TakeLineErrors(std::uint32_t* errors) {
    *errors = 0;
    CommState state;
    if (int e = TakeCommState(handle_, &state); e != 0) return e;
    *errors = state.errors;
    return 0;
}

int Win32SerialDevice::ModemStatus(std::uint32_t* status) {
    *status = 0;
    if (!handle_) return ERROR_INVALID_HANDLE;
    DWORD lines = 0;
    if (!GetCommModemStatus(H(handle_), &lines)) {
        // A line without modem signals (Wine on a pseudo-terminal) reads as
        // all lines off, as it does on Linux.
        const int error = LastError();
        return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ? 0 : error;
    }
    *status = lines;
    return 0;
}

int Win32SerialDevice::WaitEvents(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) {
    *events = 0;
    if (!handle_) return ERROR_INVALID_HANDLE;
    if (watchQueues_) return QueueWatch(mask, stop, events);
    const int e = DriverWait(mask, stop, events);
    if (e == ERROR_NOT_SUPPORTED || (e == ERROR_OPERATION_ABORTED && ++aborts_ >= kAbortsBeforeWatch)) {
        watchQueues_ = true;
        SetCommMask(H(handle_), 0);
        setMask_ = 0;
        return QueueWatch(mask, stop, events);
    }
    if (e == ERROR_OPERATION_ABORTED) return 0;  // an empty event set; the caller waits again
    if (e == 0) aborts_ = 0;
    return e;
}

int Win32SerialDevice::DriverWait(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) {
    if (mask != setMask_) {
        if (!SetCommMask(H(handle_), mask)) return LastError();
        setMask_ = mask;
    }
    Request request;
    if (!request.overlapped.hEvent) return LastError();
    DWORD happened = 0;
    if (!WaitCommEvent(H(handle_), &happened, &request.overlapped) && GetLastError() != ERROR_IO_PENDING)
        return LastError();
    const HANDLE items[2] = {static_cast<HANDLE>(stop.Handle()), request.overlapped.hEvent};
    const DWORD r = WaitForMultipleObjects(2, items, FALSE, INFINITE);
    DWORD n = 0;
    if (r != WAIT_OBJECT_0 + 1) {
        // The stop signal (index 0 wins when both are set), or a failed wait:
        // a mask of 0 ends the outstanding wait before its OVERLAPPED goes.
        const int error = r == WAIT_OBJECT_0 ? ECANCELED : LastError();
        SetCommMask(H(handle_), 0);
        setMask_ = 0;
        GetOverlappedResult(H(handle_), &request.overlapped, &n, TRUE);
        return error;
    }
    if (!GetOverlappedResult(H(handle_), &request.overlapped, &n, FALSE)) return LastError();
    *events = happened & mask;
    return 0;
}

int Win32SerialDevice::QueueWatch(std::uint32_t mask, const StopSignal& stop, std::uint32_t* events) {
    for (;;) {
        CommState state;
        if (int e = TakeCommState(handle_, &state); e != 0) return e;
        std::uint32_t found = 0;
        if ((mask & serial_event::kRxChar) && state.inQueue > lastInQueue_) found |= serial_event::kRxChar;
        if ((mask & serial_event::kTxEmpty) && lastOutQueue_ > 0 && state.outQueue == 0)
            found |= serial_event::kTxEmpty;
        lastInQueue_ = state.inQueue;
        lastOutQueue_ = state.outQueue;
        if (found) {
            *events = found;
            return 0;
        }
        const DWORD r = WaitForSingleObject(static_cast<HANDLE>(stop.Handle()), DWORD(kQueueLookMs));
        if (r == WAIT_OBJECT_0) return ECANCELED;
        if (r != WAIT_TIMEOUT) return LastError();
    }
}

}  // namespace dsp
