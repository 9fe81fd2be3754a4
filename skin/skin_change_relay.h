#pragma once
// How a window passes the skin change messages it receives on to what it
// holds: before a change (1225) every skin data user in its control tree
// that draws from the changing skin data forgets it; at the change (1226)
// those users read it again and every skin component the window owns
// refreshes. The skinned form does this for its window; a window without
// one calls it from its own message handler.

#include "platform/framework/messages.h"
#include "platform/framework/win_control.h"

namespace dsp {

// True when `message` was a skin change message (it still goes on to the
// window's own handling).
bool RelaySkinChange(TWinControl& window, const TMessage& message);

}  // namespace dsp
