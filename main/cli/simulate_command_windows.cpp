// `simulate-unit` in the Windows build: the simulator reads its line through
// descriptor waits that only the Linux build has so far.

#include <ostream>

#include "main/cli/frame_command.h"
#include "main/cli/simulate_command.h"

namespace dsp {

int RunSimulateCommand(std::span<const std::string_view>, std::ostream&, std::ostream& err) {
    err << "dsp-panel: simulate-unit is not available in the Windows build yet; run it on Linux\n";
    return 1;
}

}  // namespace dsp
