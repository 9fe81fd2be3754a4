#include "main/cli/port_map_args.h"

#include <ostream>

namespace dsp {

std::optional<PortMap> BuildPortMap(std::span<const std::string_view> mapOptions, std::ostream& err) {
    PortMap map = PortMap::FromUserConfig();
    for (std::string_view option : mapOptions) {
        if (!map.AddOverride(option)) {
            err << "dsp-panel: --map takes COMn=DEVICE, not '" << option << "'\n";
            return std::nullopt;
        }
    }
    return map;
}

} // namespace dsp
