#pragma once
// Why a serial device could not be opened, in plain words, from the errno
// its opening reported; for a device that may not be opened, which group owns
// it and how to join that group.

#include <string>

namespace dsp {

// "no such device", "busy: another program has it open",
// "permission denied: <PermissionAdvice>", ...
std::string OpenFailureReason(const std::string& path, int error);

// Who may open a device: its owner and group names and its permission bits.
struct DeviceAccess {
    std::string owner;
    std::string group;
    unsigned mode = 0;  // st_mode
};

// "it belongs to group 'dialout': run 'sudo usermod -aG dialout $USER', then
// log in again (a new login is needed)" when joining the device's group
// gives access: the group may read and write it, and is not root's. Any
// other device is described by its owner and mode, with a pointer to the
// README's udev section. A device that cannot be looked at is taken to
// belong to dialout, the usual owner of serial lines.
std::string PermissionAdvice(const std::string& path);
std::string PermissionAdvice(const DeviceAccess& access);

}  // namespace dsp
