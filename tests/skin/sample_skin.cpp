#include "tests/skin/sample_skin.h"

#include <fstream>
#include <utility>

#include "skin/skin_ini.h"
#include "skin/skin_kinds.h"
#include "skin/skin_package.h"
#include "skin/skin_values.h"

namespace dsp::testkit {
namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void Put16(std::vector<std::uint8_t>& b, std::size_t at, unsigned v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Control sections by kind, in the order a real skin registers them.
const std::vector<std::pair<const char*, std::vector<const char*>>> kControlSections = {
    {"panel", {"toolpanel", "panel", "groupbox", "statusbar", "bigtoolpanel", "resizetoolpanel"}},
    {"expanel", {"expanel"}},
    {"menubutton", {"toolmenubutton", "toolmenutrackbutton", "bigtoolmenutrackbutton", "bigtoolmenubutton"}},
    {"button",
     {"button", "toolbutton", "resizebutton", "bigtoolbutton", "resizetoolbutton", "vtracktoolbutton",
      "htracktoolbutton"}},
    {"checkradio", {"checkbox", "radiobox"}},
    {"gauge", {"gauge", "vgauge", "statusgauge"}},
    {"splitter", {"vsplitter", "hsplitter"}},
    {"trackbar", {"trackbar", "htrackbar"}},
    {"label", {"label", "statuspanel"}},
    {"stdlabel", {"stdlabel"}},
    {"updown", {"vupdown", "hupdown"}},
    {"grid", {"grid"}},
    {"tab", {"tab"}},
    {"mainmenubar", {"mainmenubar"}},
    {"controlbar", {"controlbar"}},
    {"memo", {"memo"}},
    {"edit", {"edit", "buttonedit", "statusedit", "statusbuttonedit", "tooledit", "toolbuttonedit"}},
    {"checklistbox", {"checklistbox", "captionchecklistbox"}},
    {"listbox", {"listbox", "captionlistbox"}},
    {"combobox", {"combobox", "captioncombobox", "statuscombobox", "toolcombobox"}},
    {"scrollbar", {"vscrollbar", "hscrollbar", "bothhscrollbar"}},
    {"spinedit", {"spinedit", "statusspinedit", "toolspinedit"}},
    {"scrollbox", {"scrollbox"}},
    {"treeview", {"treeview"}},
    {"bevel", {"bevel"}},
    {"slider", {"slider"}},
    {"listview", {"listview"}},
    {"richedit", {"richedit"}},
};

const std::vector<std::pair<const char*, const char*>> kObjectSections = {
    {"MENUITEM", "menuitem"},
    {"caption1", "caption"},
    {"closebutton", "stdbutton"},
    {"maxbutton", "stdbutton"},
    {"minbutton", "stdbutton"},
    {"rollupbutton", "stdbutton"},
    {"sysmenubutton", "stdbutton"},
    {"traybutton", "stdbutton"},
    {"mainmenubaritem", "mainmenubaritem"},
    {"menubarsysmenubutton", "mainmenubarbutton"},
    {"menubarclosebutton", "mainmenubarbutton"},
    {"menubarmaxbutton", "mainmenubarbutton"},
    {"menubarminbutton", "mainmenubarbutton"},
};

// Gives the zero rectangles and points of a saved section varied values, as
// a real skin has, so that the text has the size and mix of a real one.
void Vary(SkinIni& ini, const std::string& section, int& counter) {
    for (const auto& [key, value] : ini.Keys(section)) {
        int n = ++counter % 90;
        if (value == "0,0,0,0") {
            ini.WriteString(section, key, RectText({n, n / 2, n + 25, n / 2 + 14}));
        } else if (value == "0,0") {
            ini.WriteString(section, key, PointText({n % 9 + 1, n % 7 + 1}));
        }
    }
}

void WriteFixedSections(SkinIni& ini, const SampleSkinShape& shape) {
    ini.WriteString("VERSION", "ver", "1");
    ini.WriteString("VERSION", "skinname", "Studio Night");
    ini.WriteString("VERSION", "skinauthor", "dsp-panel");
    ini.WriteString("PICTURES", "picture", "main.bmp");
    ini.WriteString("PICTURES", "inactivepicture", "");
    ini.WriteString("PICTURES", "mask", shape.hasMask ? "mask.bmp" : "");
    std::vector<std::string> list;
    for (int i = 0; i < shape.listCount; ++i) list.push_back("pic" + std::to_string(i) + ".bmp");
    WriteSkinList(ini, "PICTURES", "activepictures", list);
    ini.WriteString("FORMINFO", "lefttoppoint", "20,40");
    ini.WriteString("FORMINFO", "righttoppoint", "150,40");
    ini.WriteString("FORMINFO", "leftbottompoint", "20,120");
    ini.WriteString("FORMINFO", "rightbottompoint", "150,120");
    ini.WriteString("FORMINFO", "clientrect", "6,31,172,137");
    ini.WriteString("FORMINFO", "maskrectarea", "5,9,172,137");
    ini.WriteString("FORMINFO", "bgpictureindex", "-1");
    ini.WriteString("POPUPWINDOW", "windowpictureindex", "-1");
    ini.WriteString("HINTWINDOW", "fontname", "Tahoma");
    ini.WriteString("SKINCOLORS", "cbtnface", "3158064");
}

template <class Data>
void WriteDataSection(SkinIni& ini, Data& data, int& counter) {
    data.LoadFromFile(ini);
    data.SaveToFile(ini);
    Vary(ini, data.IDName(), counter);
}

}  // namespace

std::vector<std::uint8_t> MakeBmp(int width, int height, int bitCount, int seed) {
    int paletteSize = bitCount == 24 ? 0 : (1 << bitCount);
    std::size_t row = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    std::size_t offset = 54 + 4 * static_cast<std::size_t>(paletteSize);
    std::vector<std::uint8_t> b(offset + row * static_cast<std::size_t>(height), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<unsigned>(bitCount));
    for (int i = 0; i < paletteSize; ++i) {
        std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
        b[at] = b[at + 1] = b[at + 2] = static_cast<std::uint8_t>(i * 255 / (paletteSize - 1));
    }
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = b.data() + offset + row * static_cast<std::size_t>(y);
        for (std::size_t x = 0; x < row; ++x) {
            // Bands and a soft gradient: the kind of picture a skin is made of.
            int band = ((static_cast<int>(x) / 24 + y / 16 + seed) % 5) * 40;
            p[x] = static_cast<std::uint8_t>(band + (y * 3 + static_cast<int>(x) / 3) % 16);
        }
    }
    return b;
}

SampleSkinShape TinySkinShape() {
    SampleSkinShape shape;
    shape.mainWidth = 6;
    shape.mainHeight = 5;
    shape.listCount = 2;
    shape.listWidth = 3;
    shape.listHeight = 2;
    shape.listBits = 8;
    return shape;
}

std::string SampleSkinIni(const SampleSkinShape& shape) {
    SkinIni ini;
    WriteFixedSections(ini, shape);
    int counter = 0;
    int objectIndex = 0;
    std::vector<std::pair<const char*, const char*>> objects = kObjectSections;
    if (objects.size() > shape.maxEntries) objects.resize(shape.maxEntries);
    ini.WriteString("SKINOBJECTS", "count", std::to_string(objects.size()));
    for (const auto& [name, word] : objects) {
        ini.WriteString("SKINOBJECTS", std::to_string(objectIndex++), std::string(name) + ":" + word);
    }
    std::vector<std::pair<std::string, std::string>> controls;
    for (const auto& [word, names] : kControlSections) {
        for (const char* name : names) controls.emplace_back(name, word);
    }
    if (controls.size() > shape.maxEntries) controls.resize(shape.maxEntries);
    ini.WriteString("SKINCONTROLS", "count", std::to_string(controls.size()));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        ini.WriteString("SKINCONTROLS", std::to_string(i), controls[i].first + ":" + controls[i].second);
    }
    for (const auto& [name, word] : objects) {
        WriteDataSection(ini, *CreateSkinObjectData(word, name), counter);
    }
    for (const auto& [name, word] : controls) {
        WriteDataSection(ini, *CreateSkinControlData(word, name), counter);
    }
    ini.WriteString("trackbar", "buttontransparent", "1");
    ini.WriteString("trackbar", "buttontransparentcolor", "16711935");
    return ini.ToText();
}

std::filesystem::path WriteSampleSkinFolder(const std::filesystem::path& folder,
                                            const SampleSkinShape& shape) {
    std::filesystem::create_directories(folder);
    auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    };
    write("main.bmp", MakeBmp(shape.mainWidth, shape.mainHeight, shape.mainBits));
    if (shape.hasMask) write("mask.bmp", MakeBmp(shape.mainWidth, shape.mainHeight, 1, 3));
    for (int i = 0; i < shape.listCount; ++i) {
        write("pic" + std::to_string(i) + ".bmp",
              MakeBmp(shape.listWidth, shape.listHeight, shape.listBits, i));
    }
    std::string text = SampleSkinIni(shape);
    std::ofstream(folder / "skin.ini", std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
    return folder / "skin.ini";
}

std::vector<std::uint8_t> SamplePackage(const SampleSkinShape& shape) {
    SkinPackage package;
    package.Picture =
        SkinPicture::FromBmp(MakeBmp(shape.mainWidth, shape.mainHeight, shape.mainBits), "main");
    if (shape.hasMask) {
        package.Mask = SkinPicture::FromBmp(MakeBmp(shape.mainWidth, shape.mainHeight, 1, 3), "mask");
    }
    for (int i = 0; i < shape.listCount; ++i) {
        package.Pictures.push_back(
            SkinPicture::FromBmp(MakeBmp(shape.listWidth, shape.listHeight, shape.listBits, i), "list"));
    }
    package.Text = SampleSkinIni(shape);
    return WriteSkinPackage(package);
}

}  // namespace dsp::testkit
