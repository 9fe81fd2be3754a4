#include "platform/serialdev/port_map.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "platform/serialdev/network_port_name.h"

namespace dsp {
namespace {

constexpr std::string_view kDevicePrefix = "\\\\.\\";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
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

PortMap PortMap::FromUserConfig() {
    PortMap map;
    std::string path = DefaultConfigPath();
    if (!path.empty()) map.LoadFile(path);
    return map;
}

int PortMap::LoadFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) return ENOENT;
    std::string line;
    while (std::getline(in, line)) {
        std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#') continue;
        AddOverride(text);
    }
    return 0;
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
    if (name.front() == '/' || IsNetworkPortName(name)) return std::string(name);
    if (int number = ComPortNumber(name); number > 0) {
        auto it = entries_.find(ComKey(number));
        if (it != entries_.end()) return it->second;
        return "/dev/ttyS" + std::to_string(number - 1);
    }
    // A plain device name; anything that could climb out of /dev names nothing.
    if (name.find('/') != std::string_view::npos || name == "." || name == "..") return {};
    return "/dev/" + std::string(name);
}

}  // namespace dsp
