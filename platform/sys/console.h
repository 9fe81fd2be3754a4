#pragma once
// The program's standard streams when it is built for the Windows GUI
// subsystem (so that, started from Explorer, it opens no console window):
// from a command prompt it takes over that prompt's console for the streams
// its parent did not redirect; redirected ones (pipes, files) stay as given.
// On Linux there is nothing to do.

namespace dsp {

void UseParentConsole();

}  // namespace dsp
