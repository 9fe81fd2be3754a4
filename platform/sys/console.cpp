#include "platform/sys/console.h"

namespace dsp {

// A Linux program has the streams its parent gave it.
void UseParentConsole() {}

}  // namespace dsp
