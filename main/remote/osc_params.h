#pragma once
// The parameters as OSC addresses and values: `/dsp/<name>` for each row of
// the command table, the name in lower case (`/dsp/main-vol`, `/dsp/key`).
// A value comes as the number `send` takes (i), an item text of a list
// parameter (s), or a fader position 0.0-1.0 over the parameter's range (f),
// rounded to the nearest whole value, halves to even, as the window rounds.

#include <optional>
#include <string>
#include <string_view>

#include "main/protocol/command_table.h"
#include "main/remote/osc_message.h"

namespace dsp {

std::string OscAddress(const CommandRow& row);
const CommandRow* FindOscParameter(std::string_view address);

// The value an argument asks for, or nothing when it is of no use for this
// parameter (out of range, an unknown item, not a finite 0.0-1.0).
std::optional<int> OscValue(const CommandRow& row, const OscArg& arg);

// LOAD and SAVE: their value is a memory number for a button press.
bool IsMemoryAction(const CommandRow& row);

// The fader position of a value: 0.0 at the bottom of the range, 1.0 at the top.
float OscNorm(const CommandRow& row, int value);

}  // namespace dsp
