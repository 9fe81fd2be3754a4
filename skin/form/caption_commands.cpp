#include "skin/form/caption_commands.h"

#include <stdexcept>

#include "skin/form/skin_form.h"

namespace dsp {
namespace {

TbsWindowState Toggled(const TbsSkinForm& frame, TbsWindowState state) {
    return frame.WindowState() == state ? TbsWindowState::wsNormal : state;
}

bool Maximized(const TbsSkinForm& frame) { return frame.WindowState() == TbsWindowState::wsMaximized; }
bool Minimized(const TbsSkinForm& frame) { return frame.WindowState() == TbsWindowState::wsMinimized; }
bool RolledUp(const TbsSkinForm& frame) { return frame.RollUpState(); }

void Close(TbsSkinForm& frame) { frame.Form().Close(); }
void ToggleMaximized(TbsSkinForm& frame) {
    frame.SetWindowState(Toggled(frame, TbsWindowState::wsMaximized));
}
void ToggleMinimized(TbsSkinForm& frame) {
    frame.SetWindowState(Toggled(frame, TbsWindowState::wsMinimized));
}
void ToggleRolledUp(TbsSkinForm& frame) { frame.SetRollUpState(!frame.RollUpState()); }
// No tray on this desktop layer: the window goes to its icon.
void ToTray(TbsSkinForm& frame) { frame.SetWindowState(TbsWindowState::wsMinimized); }

// The system menu button acts on press (it opens the menu below itself), so
// its release does nothing; the default command is the application's own.
constexpr CaptionCommand kCaptionCommands[] = {
    {TbsStdCommand::cmClose, 0, "CLOSEBUTTON_HINT", Close, nullptr},
    {TbsStdCommand::cmMaximize, biMaximize, "MAXBUTTON_HINT", ToggleMaximized, Maximized},
    {TbsStdCommand::cmMinimize, biMinimize, "MINBUTTON_HINT", ToggleMinimized, Minimized},
    {TbsStdCommand::cmSysMenu, biSystemMenu, "MENUBUTTON_HINT", nullptr, nullptr},
    {TbsStdCommand::cmDefault, 0, nullptr, nullptr, nullptr},
    {TbsStdCommand::cmRollUp, biRollUp, "ROLLUPBUTTON_HINT", ToggleRolledUp, RolledUp},
    {TbsStdCommand::cmMinimizeToTray, biMinimizeToTray, "TRAYBUTTON_HINT", ToTray, nullptr},
};

}  // namespace

const CaptionCommand& CaptionCommandOf(TbsStdCommand command) {
    for (const CaptionCommand& row : kCaptionCommands)
        if (row.command == command) return row;
    throw std::logic_error("a caption command without its row");
}

}  // namespace dsp
