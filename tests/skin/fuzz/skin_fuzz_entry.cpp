#include "tests/skin/fuzz/skin_fuzz_entry.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "skin/skin_data.h"
#include "skin/skin_error.h"
#include "skin/skin_kinds.h"

namespace dsp {
namespace {

constexpr const char* kControlWords[] = {
    "panel",      "expanel",   "menubutton", "button",       "checkradio", "gauge",    "splitter",
    "trackbar",   "label",     "stdlabel",   "updown",       "grid",       "tab",      "mainmenubar",
    "controlbar", "memo",      "edit",       "checklistbox", "listbox",    "combobox", "scrollbar",
    "spinedit",   "scrollbox", "treeview",   "bevel",        "slider",     "listview", "richedit"};
constexpr const char* kObjectWords[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                        "button",   "caption",         "animate",   "userobject"};
constexpr std::size_t kMaxSections = 8;

// A zlib stream of stored blocks, written by hand: the library's deflate
// allocates and clears some 300 KB per stream, which would dominate a run.
std::vector<std::uint8_t> StoredZlib(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        std::size_t n = std::min<std::size_t>(bytes.size() - at, 65535);
        bool last = at + n == bytes.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < bytes.size());
    uLong check = adler32(adler32(0, nullptr, 0), bytes.data(), static_cast<uInt>(bytes.size()));
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(check >> shift));
    return out;
}

void LoadPackage(std::span<const std::uint8_t> bytes, bool compressed) {
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(compressed ? std::vector<std::uint8_t>(bytes.begin(), bytes.end())
                                      : StoredZlib(bytes));
    TbsSkinData data;
    data.LoadFromCompressedStoredSkin(skin);
    for (const auto& control : data.CtrlList()) data.FindControl(control->IDName());
}

// Saving what was read, then reading and saving that again, must give the
// same text: otherwise some value does not survive its own text form.
template <class Data>
void CheckStableSave(Data& data) {
    SkinIni first;
    data.SaveToFile(first);
    std::string text = first.ToText();
    data.LoadFromFile(SkinIni::FromText(text));
    SkinIni second;
    data.SaveToFile(second);
    if (second.ToText() != text) std::abort();
}

void LoadIniText(std::span<const std::uint8_t> bytes) {
    SkinIni ini =
        SkinIni::FromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    std::vector<std::string> sections = ini.SectionNames();
    if (sections.size() > kMaxSections) sections.resize(kMaxSections);
    // One control kind and one object kind per section, varied with the
    // input, keeps each run short while every kind gets its turn.
    for (std::size_t i = 0; i < sections.size(); ++i) {
        std::size_t pick = i + bytes.size();
        auto control = CreateSkinControlData(kControlWords[pick % std::size(kControlWords)], sections[i]);
        control->LoadFromFile(ini);
        CheckStableSave(*control);
        auto object = CreateSkinObjectData(kObjectWords[pick % std::size(kObjectWords)], sections[i]);
        object->LoadFromFile(ini);
        CheckStableSave(*object);
    }
    TbsSkinFormData form;
    form.LoadFromFile(ini);
    TbsSkinColors colors;
    colors.LoadFromFile(ini);
    CheckStableSave(colors);
}

}  // namespace

int FuzzSkinInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 1;
    std::span<const std::uint8_t> rest(data + 1, size - 1);
    try {
        switch (data[0] % 3) {
            case 0:
                LoadPackage(rest, false);
                break;
            case 1:
                LoadPackage(rest, true);
                break;
            default:
                LoadIniText(rest);
                break;
        }
    } catch (const ESkinError&) {
        return 1;
    }
    return 0;
}

}  // namespace dsp
