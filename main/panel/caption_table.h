#pragma once
// The window's own texts in both languages. They are fixed in the program and
// never pass through the translation runtime: the language box chooses them.

#include <span>
#include <string_view>

namespace dsp {

// 0 is Chinese; every other index, and no selection at all, counts as English.
inline constexpr int kLanguageChinese = 0;
inline constexpr int kLanguageEnglish = 1;

inline bool IsChinese(int languageIndex) { return languageIndex == kLanguageChinese; }

// Which English text a relabel uses: activation and the language box write
// different texts for two labels ("CENTER:" / "CENTER", "KEY:" / "KEY").
enum class EnglishColumn { Activation, Change };

struct CaptionRow {
    std::string_view control;  // component name; "Form1" is the window title
    std::string_view chinese;
    std::string_view englishActivation;
    std::string_view englishChange;
};

// The relabelled controls in relabel order, after the status panel and the
// connect button, whose texts depend on the connection state.
std::span<const CaptionRow> CaptionTable();

std::string_view CaptionText(const CaptionRow& row, int languageIndex, EnglishColumn column);

// Status panel and connect button texts by situation.
enum class ConnectionText {
    OpenedByButton,
    ClosedByButton,
    OpenFailed,
    CloseFailed,
    RelabelOpen,    // activation or language change while the port is open
    RelabelClosed,  // activation or language change while the port is closed
};

std::string_view StatusText(ConnectionText situation, int languageIndex);
std::string_view ConnectButtonText(bool connected, int languageIndex);

}  // namespace dsp
