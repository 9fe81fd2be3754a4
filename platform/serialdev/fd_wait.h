#pragma once
// Waiting for input on a few descriptors at once, and reading what is there:
// the loop of the unit simulator and test helpers use these.

#include <cstddef>
#include <span>

namespace dsp {

struct FdWaitItem {
    int fd = -1;
    bool readable = false; // set by WaitForInput
    bool hangup = false;   // set by WaitForInput: hung up or in error
};

// Waits until one item is readable or hung up, or timeoutMs passes (-1: no
// limit). Returns 0 or errno; interruptions by signals are retried.
int WaitForInput(std::span<FdWaitItem> items, int timeoutMs);

// Reads what is there without blocking. `got` 0 with result 0 means nothing
// waiting; EIO or end of file mean the other side went away (result EPIPE).
int ReadAvailable(int fd, void* buffer, std::size_t size, std::size_t* got);

// Writes all of `size` bytes, waiting for room when needed. 0 or errno.
int WriteAll(int fd, const void* data, std::size_t size);

} // namespace dsp
