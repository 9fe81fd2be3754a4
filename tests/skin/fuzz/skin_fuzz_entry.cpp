#include "tests/skin/fuzz/skin_fuzz_entry.h"

#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "skin/skin_data.h"
#include "skin/skin_error.h"
#include "skin/skin_kinds.h"
#include "skin/skin_zlib.h"

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

void LoadPackage(std::span<const std::uint8_t> bytes, bool compressed) {
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(compressed ? std::vector<std::uint8_t>(bytes.begin(), bytes.end())
                                      : DeflateAtLevel(bytes, 0));
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
    for (const std::string& section : sections) {
        for (const char* word : kControlWords) {
            auto data = CreateSkinControlData(word, section);
            data->LoadFromFile(ini);
            CheckStableSave(*data);
        }
        for (const char* word : kObjectWords) {
            auto data = CreateSkinObjectData(word, section);
            data->LoadFromFile(ini);
            CheckStableSave(*data);
        }
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
