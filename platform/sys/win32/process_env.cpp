#include "platform/sys/process_env.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cerrno>
#include <vector>

#include "platform/sys/win32/wide_text.h"

namespace dsp {

// The wide environment: the narrow one holds the values in the ANSI code
// page, which cannot carry every user name or folder.
std::string EnvironmentVariable(const char* name) {
    const std::wstring wideName = Widen(name);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        const DWORD n = GetEnvironmentVariableW(wideName.c_str(), buffer.data(), DWORD(buffer.size()));
        if (n == 0) return "";
        if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
        buffer.resize(n);
    }
}

std::string UserConfigHome() {
    const std::string appData = EnvironmentVariable("APPDATA");
    return appData.empty() ? std::string(".") : appData;
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

int ExecutablePath(std::string& path) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (n == 0) return EIO;
        if (n < buffer.size()) {
            path = Narrow(std::wstring_view(buffer.data(), n));
            return 0;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

}  // namespace dsp
