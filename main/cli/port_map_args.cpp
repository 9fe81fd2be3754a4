#include "main/cli/port_map_args.h"

#include <ostream>

namespace dsp {

std::optional<PortMap> BuildPortMap(std::span<const std::string_view> mapOptions, std::ostream& err) {
    std::string problem;
    PortMap map = PortMap::FromUserConfig(&problem);
    if (!problem.empty()) err << "dsp-panel: " << problem << "\n";
    for (std::string_view option : mapOptions) {
        if (!map.AddOverride(option)) {
            err << "dsp-panel: --map takes COMn=DEVICE, not '" << option << "'\n";
            return std::nullopt;
        }
    }
    return map;
}

}  // namespace dsp
