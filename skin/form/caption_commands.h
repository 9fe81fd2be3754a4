#pragma once
// The caption commands as data: for each window command a caption button can
// carry, the border icon that enables it, the resource string of its default
// hint, what it does when released, and the window state in which it shows
// its restore images. The frame and its buttons read this one table.

#include "skin/skin_types.h"

namespace dsp {

class TbsSkinForm;

struct CaptionCommand {
    TbsStdCommand command;
    unsigned icon;                             // the BorderIcons member; 0: not governed by one
    const char* hintName;                      // null: the skin's own hint stays
    void (*action)(TbsSkinForm&);              // null: nothing on release
    bool (*restoreState)(const TbsSkinForm&);  // null: never restored
};

const CaptionCommand& CaptionCommandOf(TbsStdCommand command);

}  // namespace dsp
