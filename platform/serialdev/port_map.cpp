#include "platform/serialdev/port_map.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/serialdev/network_port_name.h"
#include "platform/sys/mapped_file.h"
#include "platform/sys/process_env.h"
#include "platform/sys/small_file.h"

namespace dsp {
namespace {

constexpr std::string_view kDevicePrefix = "\\\\.\\";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// A '#' at the start of a line or after a blank starts a comment; one inside a
// device name (no blank before it) is part of the name.
std::string_view WithoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
    return line;
}

std::string ComKey(int number) { return "COM" + std::to_string(number); }

}  // namespace

int ComPortNumber(std::string_view name) {
    if (name.size() < 4 || name.size() > 7) return 0;
    for (std::size_t i = 0; i < 3; ++i)
        if ((name[i] & ~0x20) != "COM"[i]) return 0;
    int number = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

#if defined(_WIN32)
// %APPDATA%\dsp-panel\ports.conf, where Windows keeps per-user settings files.
std::string PortMap::DefaultConfigPath() {
    const std::string appData = EnvironmentVariable("APPDATA");
    if (appData.empty()) return {};
    return appData + "\\dsp-panel\\ports.conf";
}
#else
std::string PortMap::DefaultConfigPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg && *xdg) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) return {};
        base = std::string(home) + "/.config";
    }
    return base + "/dsp-panel/ports.conf";
}
#endif

PortMap PortMap::FromUserConfig(std::string* problem) {
    PortMap map;
    const std::string path = DefaultConfigPath();
    if (path.empty()) return map;
    const int rc = map.LoadFile(path);
    if (rc == 0 || rc == ENOENT || problem == nullptr) return map;
    if (rc == kNotRegularFile)
        *problem = path + " is not a regular file; it is not read";
    else if (rc == kFileTooLarge)
        *problem = path + " is larger than 64 KB; it is not read";
    else
        *problem = path + " cannot be read (" + SystemErrorText(rc) + ")";
    return map;
}

int PortMap::LoadFile(const std::string& path) {
    std::string contents;
    if (const int rc = ReadSmallFile(path, kMaxFileSize, contents); rc != 0) return rc;
    LoadText(contents);
    return 0;
}

void PortMap::LoadText(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string_view line = Trim(WithoutComment(rest.substr(0, end)));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.empty()) continue;
        AddOverride(line);
    }
}

bool PortMap::AddOverride(std::string_view mapping) {
    std::size_t eq = mapping.find('=');
    if (eq == std::string_view::npos) return false;
    std::string_view device = Trim(mapping.substr(eq + 1));
    int number = ComPortNumber(Trim(mapping.substr(0, eq)));
    if (number <= 0 || device.empty()) return false;
    entries_[ComKey(number)] = std::string(device);
    return true;
}

void PortMap::Set(std::string_view comName, std::string device) {
    int number = ComPortNumber(comName);
    if (number > 0) entries_[ComKey(number)] = std::move(device);
}

std::string PortMap::Resolve(std::string_view portName) const {
    std::string_view name = portName;
    if (name.substr(0, kDevicePrefix.size()) == kDevicePrefix) name.remove_prefix(kDevicePrefix.size());
    if (name.empty()) return {};
#if defined(_WIN32)
    // Windows names its devices itself: COMn (or a mapping's device name)
    // goes to the device namespace as it stands.
    if (int number = ComPortNumber(name); number > 0) {
        // A mapping names a device (or a network port) once; it is not
        // mapped again.
        auto it = entries_.find(ComKey(number));
        if (it != entries_.end()) name = it->second;
    }
    if (IsNetworkPortName(name) || name.substr(0, 2) == "\\\\") return std::string(name);
    if (name.find_first_of("\\/") != std::string_view::npos) return {};
    return std::string(kDevicePrefix) + std::string(name);
#else
    if (name.front() == '/' || IsNetworkPortName(name)) return std::string(name);
    if (int number = ComPortNumber(name); number > 0) {
        auto it = entries_.find(ComKey(number));
        if (it != entries_.end()) return it->second;
        return "/dev/ttyS" + std::to_string(number - 1);
    }
    // A plain device name; anything that could climb out of /dev names nothing.
    if (name.find('/') != std::string_view::npos || name == "." || name == "..") return {};
    return "/dev/" + std::string(name);
#endif
}

}  // namespace dsp
