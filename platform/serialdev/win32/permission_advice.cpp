#include "platform/serialdev/permission_advice.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cctype>

#include "platform/sys/win32/wide_text.h"

namespace dsp {

// Error codes as CreateFileA gives them for a COM port.
std::string OpenFailureReason(const std::string& path, int error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return "no such device";
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return "busy or not allowed: another program may have it open";
        case ERROR_NOT_SUPPORTED:
            return "not supported by this build";
        default: {
            (void)path;
            std::string text = WinErrorText(DWORD(error));
            text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
            return text;
        }
    }
}

// Windows grants serial ports to every user; being refused means another
// program holds the port.
std::string PermissionAdvice(const std::string&) { return "close the other program that uses the port"; }

std::string DeviceErrorText(int error) { return WinErrorText(DWORD(error)); }

}  // namespace dsp
