#pragma once
// Line speeds outside the B* constants, through termios2 and BOTHER. Kept in
// a file of its own: <asm/termbits.h> cannot share a translation unit with
// <termios.h>.

#include <cstdint>

namespace dsp {

// Sets input and output speed of an open terminal to any rate. 0 or errno.
int SetArbitrarySpeed(int fd, std::uint32_t rate);

// The output speed the terminal holds, whatever way it was set. 0 or errno.
int ReadLineSpeed(int fd, std::uint32_t* rate);

} // namespace dsp
