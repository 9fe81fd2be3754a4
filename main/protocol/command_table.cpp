#include "main/protocol/command_table.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace dsp {
namespace {

constexpr std::string_view kSlider1[] = {"bsSkinSlider1"};
constexpr std::string_view kSlider2[] = {"bsSkinSlider2"};
constexpr std::string_view kSlider3[] = {"bsSkinSlider3"};
constexpr std::string_view kSlider5[] = {"bsSkinSlider5"};
constexpr std::string_view kSlider6[] = {"bsSkinSlider6"};
constexpr std::string_view kTrack1[] = {"bsSkinTrackBar1"};
constexpr std::string_view kTrack2[] = {"bsSkinTrackBar2"};
constexpr std::string_view kTrack3[] = {"bsSkinTrackBar3"};
constexpr std::string_view kTrack4[] = {"bsSkinTrackBar4"};
constexpr std::string_view kTrack5[] = {"bsSkinTrackBar5"};
constexpr std::string_view kTrack6[] = {"bsSkinTrackBar6"};
constexpr std::string_view kTrack7[] = {"bsSkinTrackBar7"};
constexpr std::string_view kTrack8[] = {"bsSkinTrackBar8"};
constexpr std::string_view kTrack9[] = {"bsSkinTrackBar9"};
constexpr std::string_view kTrack10[] = {"bsSkinTrackBar10"};
constexpr std::string_view kTrack12[] = {"bsSkinTrackBar12"};
constexpr std::string_view kCombo3[] = {"bsSkinComboBox3"};
constexpr std::string_view kCombo5[] = {"bsSkinComboBox5"};
constexpr std::string_view kCombo6[] = {"bsSkinComboBox6"};
constexpr std::string_view kCombo7[] = {"bsSkinComboBox7"};
constexpr std::string_view kSpin1[] = {"bsSkinSpinEdit1"};
constexpr std::string_view kSpin2[] = {"bsSkinSpinEdit2"};
constexpr std::string_view kSpin3[] = {"bsSkinSpinEdit3"};
constexpr std::string_view kSpin4[] = {"bsSkinSpinEdit4"};
constexpr std::string_view kSpin5[] = {"bsSkinSpinEdit5"};
// The fixed-value buttons: a button's value is its position in the list.
constexpr std::string_view kAuxButtons[] = {"bsSkinButton9", "bsSkinButton10", "bsSkinButton11"};
constexpr std::string_view kInputButtons[] = {"bsSkinButton5", "bsSkinButton6", "bsSkinButton7",
                                              "bsSkinButton8", "bsSkinButton4"};

constexpr std::string_view kFeedbackItems[] = {"0", "1", "2", "3"};
constexpr std::string_view kCenterItems[] = {"MUSIC", "MIC"};
constexpr std::string_view kAuxItems[] = {"MIC", "MUSIC", "MIC+MUSIC"};
constexpr std::string_view kMusicInItems[] = {"L+R", "L+L", "L-R", "R+R"};
constexpr std::string_view kInputItems[] = {"BGM", "VCR", "DVD", "TV", "AUTO"};
constexpr std::string_view kKeyItems[] = {"b-5", "b-4", "b-3", "b-2", "b-1", "0",
                                          "#+1", "#+2", "#+3", "#+4", "#+5"};

constexpr std::span<const std::string_view> kNoItems{};

using E = Encoding;
using R = Readout;

constexpr CommandRow kTable[] = {
    {0x00, "DELAY", "DELAY:", kSlider1, 0, 250, E::SliderValue, kNoItems, R::Value, "bsSkinNumericEdit7"},
    {0x01, "REPEAT", "REPEAT:", kSlider2, 0, 80, E::SliderValue, kNoItems, R::Value, "bsSkinNumericEdit9"},
    {0x02, "ECHO", "ECHO:", kSlider3, 0, 80, E::SliderValue, kNoItems, R::Value, "bsSkinNumericEdit10"},
    {0x03, "REV-TIME", "REV TIME:", kSlider5, 0, 80, E::SliderValue, kNoItems, R::Value,
     "bsSkinNumericEdit11"},
    {0x04, "REV-LEVEL", "REV LEVEL:", kSlider6, 0, 80, E::SliderValue, kNoItems, R::Value,
     "bsSkinNumericEdit12"},
    {0x05, "MIC-BASS", "BASS", kTrack7, 0, 20, E::TrackBarValue, kNoItems, R::ValueMinus10,
     "bsSkinNumericEdit14"},
    {0x06, "MIC-MID", "MID", kTrack8, 0, 20, E::TrackBarValue, kNoItems, R::ValueMinus10,
     "bsSkinNumericEdit15"},
    {0x07, "MIC-TREB", "TREB", kTrack9, 0, 20, E::TrackBarValue, kNoItems, R::ValueMinus10,
     "bsSkinNumericEdit16"},
    {0x08, "FB-EX", "F.B-EX", kCombo6, 0, 3, E::ItemIndex, kFeedbackItems, R::None, ""},
    {0x09, "MUSIC-BASS", "BASS", kTrack4, 0, 20, E::TrackBarValue, kNoItems, R::ValueMinus10,
     "bsSkinNumericEdit4"},
    {0x0A, "MUSIC-MID", "MID", kTrack5, 0, 20, E::TrackBarValue, kNoItems, R::ValueMinus10,
     "bsSkinNumericEdit5"},
    {0x0B, "MUSIC-TREB", "TREB", kTrack6, 0, 20, E::TrackBarValue, kNoItems, R::ValueMinus10,
     "bsSkinNumericEdit6"},
    {0x0D, "CENTER", "CENTER:", kCombo3, 0, 1, E::ItemIndex, kCenterItems, R::None, ""},
    {0x0E, "AUX", "AUX:", kAuxButtons, 0, 2, E::FixedPerButton, kAuxItems, R::None, ""},
    {0x0F, "MUSIC-IN", "MUSIC IN", kCombo5, 0, 3, E::ItemIndex, kMusicInItems, R::None, ""},
    {0x10, "SW-FREQ", "SW FREQ:", kSpin5, 50, 250, E::SpinRounded, kNoItems, R::SpinItself, ""},
    {0x11, "SW-VOL", " SW", kTrack3, 0, 63, E::TrackBarValue, kNoItems, R::Value, "bsSkinNumericEdit3"},
    {0x12, "AUX-VOL", "AUX", kTrack1, 0, 63, E::TrackBarValue, kNoItems, R::Value, "bsSkinNumericEdit1"},
    {0x13,
     "MAIN-VOL",
     "MAIN",
     kTrack12,
     0,
     63,
     E::TrackBarValue,
     kNoItems,
     R::Value,
     "bsSkinNumericEdit18",
     {},
     0x22},
    {0x14,
     "MIC-VOL",
     " MIC",
     kTrack2,
     0,
     42,
     E::TrackBarValue,
     kNoItems,
     R::Value,
     "bsSkinNumericEdit2",
     {},
     0x21},
    {0x15, "EFF-VOL", " EFF", kTrack10, 0, 80, E::TrackBarValue, kNoItems, R::Value, "bsSkinNumericEdit13"},
    {0x1A, "INPUT", "INPUT:", kInputButtons, 0, 4, E::FixedPerButton, kInputItems, R::None, ""},
    {0x1B, "KEY", "KEY:", kCombo7, 0, 10, E::ItemIndex, kKeyItems, R::None, ""},
    {0x21, "MIC-VOL-MAX", "MIC VOL MAX:", kSpin4, 20, 42, E::SpinRounded, kNoItems, R::SpinItself, ""},
    {0x22, "MUSIC-VOL-MAX", "MUSIC VOL MAX:", kSpin3, 20, 64, E::SpinRounded, kNoItems, R::SpinItself, ""},
    {0x30, "LOAD", "load", kSpin1, 0, 10, E::SpinRounded, kNoItems, R::None, "", "bsSkinButton2"},
    {0x31, "SAVE", "save", kSpin2, 0, 6, E::SpinRounded, kNoItems, R::None, "", "bsSkinButton3"},
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

// Reads a whole decimal or "0x" hexadecimal number; anything else is refused.
std::optional<int> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::span<const CommandRow> CommandTable() { return kTable; }

const CommandRow* FindCommand(int code) {
    auto it = std::ranges::find(kTable, code, [](const CommandRow& s) { return int{s.code}; });
    return it == std::end(kTable) ? nullptr : &*it;
}

const CommandRow* FindCommand(std::string_view codeOrName) {
    if (auto code = ParseNumber(codeOrName)) return FindCommand(*code);
    auto it = std::ranges::find_if(kTable,
                                   [&](const CommandRow& s) { return EqualsIgnoreCase(s.name, codeOrName); });
    return it == std::end(kTable) ? nullptr : &*it;
}

std::optional<int> ParseCommandValue(const CommandRow& command, std::string_view text) {
    auto item =
        std::ranges::find_if(command.items, [&](std::string_view s) { return EqualsIgnoreCase(s, text); });
    std::optional<int> value;
    if (item != command.items.end())
        value = static_cast<int>(item - command.items.begin());
    else
        value = ParseNumber(text);
    if (!value || *value < command.minValue || *value > command.maxValue) return std::nullopt;
    return value;
}

int ShownValue(const CommandRow& command, int value) {
    // The tone controls show their value around the neutral position 10.
    return command.readout == Readout::ValueMinus10 ? value - 10 : value;
}

std::string FormatCommandValue(const CommandRow& command, int value) {
    if (value >= 0 && static_cast<std::size_t>(value) < command.items.size())
        return std::string(command.items[static_cast<std::size_t>(value)]);
    return std::to_string(value);
}

}  // namespace dsp
