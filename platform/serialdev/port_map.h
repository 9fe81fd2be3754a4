#pragma once
// Port names to device paths. "COMn" maps to /dev/ttyS(n-1) unless ports.conf
// or a --map option says otherwise; a name that begins with "/" is a path as
// it stands; any other plain name ("ttyUSB0") is looked up under /dev.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace dsp {

class PortMap {
  public:
    // ${XDG_CONFIG_HOME:-$HOME/.config}/dsp-panel/ports.conf, or "" when
    // neither variable is set.
    static std::string DefaultConfigPath();

    // The user's ports.conf, if there is one. A missing file is no error; a
    // file that cannot be used is skipped and, when `problem` is given, named
    // there in one line.
    static PortMap FromUserConfig(std::string* problem = nullptr);

    // A port map is a handful of lines; a longer file is not one.
    static constexpr std::size_t kMaxFileSize = 64 * 1024;

    // Reads lines "COMn=DEVICE"; blank lines and lines starting with '#' are
    // skipped, malformed lines too. Returns 0, the errno of reading it,
    // kNotRegularFile (a FIFO or device in its place) or kFileTooLarge.
    int LoadFile(const std::string& path);
    // The same for the file's text.
    void LoadText(std::string_view text);

    // Parses "COMn=DEVICE" and sets it, winning over earlier entries.
    bool AddOverride(std::string_view mapping);
    void Set(std::string_view comName, std::string device);

    // The device path for a port name as the component composes it (with or
    // without the "\\.\" prefix). "" when the name names nothing.
    std::string Resolve(std::string_view portName) const;

  private:
    std::map<std::string, std::string> entries_;  // key: "COMn" upper case
};

// "COM7" -> 7 (any letter case); 0 when the name is not COMn with n >= 1.
int ComPortNumber(std::string_view name);

}  // namespace dsp
