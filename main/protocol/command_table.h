#pragma once
// The unit's command codes, as data: one row per code with its parameter name,
// the control that sends it, its value range, how the value is encoded, what
// the read-out beside the control shows and the ceiling that caps it. The
// window (through its ParamTable), the `frame` and `send` commands and the
// unit simulator all read this one table.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dsp {

enum class Encoding {
    SliderValue,     // the slider's value as it stands
    TrackBarValue,   // the track bar's value as it stands
    ItemIndex,       // the combo box's item index
    FixedPerButton,  // each sending button has its own value: its index in `senders`
    SpinRounded,     // the spin edit's value rounded to an integer
};

enum class Readout {
    None,          // nothing shows the value
    Value,         // a numeric edit shows the value
    ValueMinus10,  // a numeric edit shows value - 10 (the tone controls)
    SpinItself,    // the spin edit that sends it shows it
};

struct CommandRow {
    std::uint8_t code;
    std::string_view name;                      // short parameter name used on the command line
    std::string_view caption;                   // the English caption of the window
    std::span<const std::string_view> senders;  // sending control(s)
    int minValue;
    int maxValue;
    Encoding encoding;
    std::span<const std::string_view> items;  // item texts of list parameters, by value
    Readout readout;
    std::string_view readoutControl;  // numeric edit showing the value, if any
    // The button that sends the spin edit's number (the memory actions), if any.
    std::string_view trigger = {};
    // The code of the parameter whose value caps this one (the two volume
    // ceilings); -1 for none.
    int ceiling = -1;
};

// All 27 codes, in ascending code order.
std::span<const CommandRow> CommandTable();

const CommandRow* FindCommand(int code);

// Finds a row by a code ("0x13", "19") or a parameter name (any letter case).
const CommandRow* FindCommand(std::string_view codeOrName);

// Parses a value for `command`: an item text of a list parameter wins over a
// number, so what the simulator prints (`KEY 0`, `INPUT AUTO`) reads back as
// the same value. Returns nothing when the text is neither, or out of range.
std::optional<int> ParseCommandValue(const CommandRow& command, std::string_view text);

// What the read-out beside the control shows for `value`.
int ShownValue(const CommandRow& command, int value);

// The text shown for a value: the item text of list parameters, else the number.
std::string FormatCommandValue(const CommandRow& command, int value);

}  // namespace dsp
