#include "platform/serialdev/termios2_speed.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace dsp {

int SetArbitrarySpeed(int fd, std::uint32_t rate) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return errno;
    tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = rate;
    tio.c_ospeed = rate;
    if (ioctl(fd, TCSETS2, &tio) != 0) return errno;
    return 0;
}

int ReadLineSpeed(int fd, std::uint32_t* rate) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return errno;
    *rate = tio.c_ospeed;
    return 0;
}

} // namespace dsp
