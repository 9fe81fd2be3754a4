// The data objects of the skin description: key order, defaults, save/load
// symmetry for every kind, the per-kind fix-ups and the [FORMINFO] fix-ups.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "skin/data_skin_buttons.h"
#include "skin/data_skin_edits.h"
#include "skin/data_skin_lists.h"
#include "skin/data_skin_objects.h"
#include "skin/data_skin_panels.h"
#include "skin/data_skin_tracks.h"
#include "skin/resource_str_data.h"
#include "skin/skin_error.h"
#include "skin/skin_form_data.h"
#include "skin/skin_kinds.h"

namespace dsp {
namespace {

const char* const kControlWords[] = {
    "panel",      "expanel",   "menubutton", "button",       "checkradio", "gauge",    "splitter",
    "trackbar",   "label",     "stdlabel",   "updown",       "grid",       "tab",      "mainmenubar",
    "controlbar", "memo",      "edit",       "checklistbox", "listbox",    "combobox", "scrollbar",
    "spinedit",   "scrollbox", "treeview",   "bevel",        "slider",     "listview", "richedit"};
const char* const kObjectWords[] = {"menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
                                    "button",   "caption",         "animate",   "userobject"};

std::vector<std::string> KeyNames(const SkinIni& ini, const std::string& section) {
    std::vector<std::string> names;
    for (const auto& kv : ini.Keys(section)) names.push_back(kv.first);
    return names;
}

template <class Data>
SkinIni Saved(const Data& data) {
    SkinIni ini;
    data.SaveToFile(ini);
    return ini;
}

// A value unlike the default in each form, so a key read into the wrong field
// or written in the wrong form shows up.
std::string Unlike(const std::string& value) {
    static const std::map<std::string, std::string> kWords = {{"Arial", "Tahoma"},
                                                              {"0", "1"},
                                                              {"-1", "1"},
                                                              {"14", "9"},
                                                              {"1", "2"},
                                                              {"25", "40"},
                                                              {"50", "70"},
                                                              {"3", "5"},
                                                              {"mkdefault", "mkpush"},
                                                              {"stfull", "stvert"},
                                                              {"tacenter", "taleftjustify"},
                                                              {"cmdefault", "cmrollup"},
                                                              {"iebrightness", "ieinvert"},
                                                              {"16711680", "255"},
                                                              {"", "fsbold,fsitalic"},
                                                              {"vscrollbar", "vs2"},
                                                              {"hscrollbar", "hs2"},
                                                              {"bothhscrollbar", "bhs2"}};
    if (value == "0,0,0,0") return "1,2,30,40";
    if (value == "0,0") return "5,6";
    auto it = kWords.find(value);
    return it != kWords.end() ? it->second : value + "x";
}

template <class Data>
void ExpectSymmetricSaveAndLoad(Data& data, const std::string& word) {
    const std::string& section = data.IDName();
    SkinIni defaults = Saved(data);
    SkinIni changed;
    for (const auto& [key, value] : defaults.Keys(section)) changed.WriteString(section, key, Unlike(value));
    data.LoadFromFile(changed);
    SkinIni again = Saved(data);
    ASSERT_EQ(KeyNames(again, section), KeyNames(defaults, section)) << word;
    for (const auto& [key, value] : again.Keys(section)) {
        std::string expected = *changed.Find(section, key);
        bool fixedUp =
            (word == "updown" && (key.find("point") != std::string::npos || key == "clientrect")) ||
            (word == "animate" && key == "morphing");
        if (!fixedUp) {
            EXPECT_EQ(value, expected) << word << " key " << key;
        }
    }
}

TEST(SkinDataObjects, EveryKindReadsAndWritesItsKeysSymmetrically) {
    for (const char* word : kControlWords) {
        auto data = CreateSkinControlData(word, std::string("sec_") + word);
        ASSERT_NE(data, nullptr) << word;
        data->LoadFromFile(SkinIni{});
        ExpectSymmetricSaveAndLoad(*data, word);
    }
    for (const char* word : kObjectWords) {
        auto data = CreateSkinObjectData(word, std::string("obj_") + word);
        ASSERT_NE(data, nullptr) << word;
        data->LoadFromFile(SkinIni{});
        ExpectSymmetricSaveAndLoad(*data, word);
    }
}

TEST(SkinDataObjects, TypeWordsSelectTheirClassExactly) {
    EXPECT_NE(dynamic_cast<TbsDataSkinTrackBarControl*>(CreateSkinControlData("trackbar", "t").get()),
              nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinCheckListBox*>(CreateSkinControlData("checklistbox", "c").get()),
              nullptr);
    EXPECT_NE(dynamic_cast<TbsDataSkinMemoControl*>(CreateSkinControlData("memo", "m").get()), nullptr);
    EXPECT_NE(
        dynamic_cast<TbsDataSkinMainMenuBarButton*>(CreateSkinObjectData("mainmenubarbutton", "b").get()),
        nullptr);
    EXPECT_NE(dynamic_cast<TbsDataUserObject*>(CreateSkinObjectData("userobject", "u").get()), nullptr);
    EXPECT_EQ(CreateSkinControlData("TrackBar", "t"), nullptr);
    EXPECT_EQ(CreateSkinControlData("", "t"), nullptr);
    EXPECT_EQ(CreateSkinObjectData("caption ", "t"), nullptr);
}

TEST(SkinDataObjects, KeysComeInReadingOrderParentFirst) {
    TbsDataSkinTrackBarControl track("trackbar");
    EXPECT_EQ(KeyNames(Saved(track), "trackbar"),
              (std::vector<std::string>{"pictureindex",     "maskpictureindex",  "skinrect",
                                        "lefttoppoint",     "righttoppoint",     "leftbottompoint",
                                        "rightbottompoint", "clientrect",        "leftstretch",
                                        "topstretch",       "rightstretch",      "bottomstretch",
                                        "stretcheffect",    "stretchtype",       "activeskinrect",
                                        "trackarea",        "buttonrect",        "activebuttonrect",
                                        "vertical",         "buttontransparent", "buttontransparentcolor"}));
    TbsDataSkinStdButton close("closebutton");
    EXPECT_EQ(KeyNames(Saved(close), "closebutton"),
              (std::vector<std::string>{"hint", "activepictureindex", "skinrectinapicture", "skinrect",
                                        "activeskinrect", "inactiveskinrect", "morphing", "morphkind",
                                        "downrect", "disableskinrsect", "command", "restorerect",
                                        "restoreactiverect", "restoredownrect", "restoreinactiverect"}));
    TbsDataUserObject user("u");
    EXPECT_EQ(KeyNames(Saved(user), "u"), std::vector<std::string>{"skinrect"});
    TbsDataSkinMainMenuBarItem item("mainmenubaritem");
    EXPECT_EQ(KeyNames(Saved(item), "mainmenubaritem")[18], "unenabledfontColor");
}

TEST(SkinDataObjects, AbsentKeysTakeTheirDefaults) {
    SkinIni empty;
    TbsDataSkinButtonControl button("button");
    button.PictureIndex = 4;
    button.FontHeight = 99;
    button.LoadFromFile(empty);
    EXPECT_EQ(button.PictureIndex, -1);
    EXPECT_EQ(button.MaskPictureIndex, -1);
    EXPECT_EQ(button.FontName, "Arial");
    EXPECT_EQ(button.FontHeight, 14);
    EXPECT_EQ(button.AnimateInterval, 25);
    TbsDataSkinStdLabelControl label("stdlabel");
    label.LoadFromFile(empty);
    EXPECT_EQ(label.ActiveFontColor, 16711680);
    TbsDataSkinListBox list("listbox");
    list.LoadFromFile(empty);
    EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
    EXPECT_EQ(list.CaptionFontHeight, 14);
    TbsDataSkinControlBar bar("controlbar");
    bar.LoadFromFile(empty);
    EXPECT_EQ(bar.ItemOffset1, 3);
    EXPECT_EQ(bar.BGPictureIndex, -1);
    TbsDataSkinAnimate animate("a");
    animate.LoadFromFile(empty);
    EXPECT_EQ(animate.CountFrames, 1);
    EXPECT_EQ(animate.TimerInterval, 50);
    EXPECT_EQ(animate.Command, TbsStdCommand::cmDefault);
    TbsSkinColors colors;
    colors.cBtnFace = 1;
    colors.LoadFromFile(empty);
    EXPECT_EQ(static_cast<std::uint32_t>(colors.cBtnFace), 0xFF00000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(colors.cBtnShadow), 0xFF000010u);
}

TEST(SkinDataObjects, KindFixUpsApplyAfterLoading) {
    SkinIni ini = SkinIni::FromText(
        "[ud]\r\nlefttoppoint=3,4\r\nclientrect=1,1,9,9\r\nupbuttonrect=0,0,8,8\r\n"
        "[mi]\r\ncheckimagerect=1,1,5,5\r\nactiveradioimagerect=2,2,6,6\r\nradioimagerect=7,7,9,9\r\n"
        "[an]\r\nmorphing=1\r\ncountframes=4\r\n[uo]\r\nhint=ignored\r\nskinrect=1,2,3,4\r\n");
    TbsDataSkinUpDownControl upDown("ud");
    upDown.LoadFromFile(ini);
    EXPECT_EQ(upDown.LTPoint, TPoint{});
    EXPECT_EQ(upDown.ClientRect, TRect{});
    EXPECT_EQ(upDown.UpButtonRect, (TRect{0, 0, 8, 8}));
    TbsDataSkinMenuItem item("mi");
    item.LoadFromFile(ini);
    EXPECT_EQ(item.ActiveCheckImageRect, (TRect{1, 1, 5, 5}));
    EXPECT_EQ(item.ActiveRadioImageRect, (TRect{2, 2, 6, 6}));
    EXPECT_EQ(item.ActiveArrowImageRect, TRect{});
    TbsDataSkinAnimate animate("an");
    animate.LoadFromFile(ini);
    EXPECT_FALSE(animate.Morphing);
    EXPECT_EQ(animate.CountFrames, 4);
    TbsDataUserObject user("uo");
    user.LoadFromFile(ini);
    EXPECT_EQ(user.Hint, "");
    EXPECT_EQ(user.SkinRect, (TRect{1, 2, 3, 4}));
}

TEST(SkinDataObjects, ABadRectangleInASectionIsAnError) {
    TbsDataSkinTrackBarControl track("trackbar");
    EXPECT_THROW(track.LoadFromFile(SkinIni::FromText("[trackbar]\r\nbuttonrect=1,2,3\r\n")), ESkinError);
}

std::unique_ptr<TbsSkinFormData> LoadForm(const std::string& formKeys, bool withMask) {
    auto form = std::make_unique<TbsSkinFormData>();
    form->LoadFromFile(SkinIni::FromText(std::string("[PICTURES]\r\nmask=") + (withMask ? "m.bmp" : "") +
                                         "\r\n[FORMINFO]\r\n" + formKeys));
    return form;
}

TEST(SkinFormInfo, MaskAreaGrowsToHoldTheClientAreaAndHitPointsFollowCorners) {
    std::string keys =
        "clientrect=6,31,172,137\r\nmaskrectarea=5,9,172,137\r\nlefttoppoint=20,40\r\n"
        "rightbottompoint=150,120\r\nhittestrighttoppoint=7,8\r\n";
    auto masked = LoadForm(keys, true);
    EXPECT_EQ(masked->MaskRectArea, (TRect{5, 9, 172, 137}));
    EXPECT_EQ(masked->HitTestLTPoint, (TPoint{20, 40}));
    EXPECT_EQ(masked->HitTestRTPoint, (TPoint{7, 8}));
    EXPECT_EQ(LoadForm("clientrect=6,31,172,137\r\nmaskrectarea=10,40,180,100\r\n", true)->MaskRectArea,
              (TRect{6, 31, 180, 137}));
    EXPECT_EQ(LoadForm("clientrect=6,31,172,137\r\n", true)->MaskRectArea, (TRect{6, 31, 172, 137}));
    auto plain = LoadForm(keys, false);
    EXPECT_EQ(plain->MaskRectArea, (TRect{5, 9, 172, 137}));
    EXPECT_EQ(plain->HitTestLTPoint, TPoint{});
}

TEST(SkinFormInfo, CornersAreClampedIntoTheClientAreaUnlessDegenerate) {
    auto form = LoadForm(
        "clientrect=10,20,100,90\r\nlefttoppoint=2,3\r\nrighttoppoint=200,5\r\n"
        "leftbottompoint=4,300\r\nrightbottompoint=150,95\r\n",
        false);
    EXPECT_EQ(form->LTPoint, (TPoint{10, 20}));
    EXPECT_EQ(form->RTPoint, (TPoint{100, 20}));
    EXPECT_EQ(form->LBPoint, (TPoint{10, 90}));
    EXPECT_EQ(form->RBPoint, (TPoint{100, 90}));
    auto same = LoadForm("clientrect=10,20,100,90\r\nlefttoppoint=2,3\r\nrightbottompoint=2,95\r\n", false);
    EXPECT_EQ(same->LTPoint, (TPoint{2, 3}));
    EXPECT_EQ(same->BGPictureIndex, -1);
}

TEST(ResourceStrData, HoldsTheEnglishDefaultsAndLooksNamesUpExactly) {
    TbsResourceStrData strings;
    ASSERT_EQ(strings.ResStrings().size(), 120u);
    std::set<std::string> names;
    for (const std::string& line : strings.ResStrings()) names.insert(line.substr(0, line.find('=')));
    EXPECT_EQ(names.size(), 120u);
    EXPECT_EQ(strings.GetResStr("MI_CLOSECAPTION"), "&Close");
    EXPECT_EQ(strings.GetResStr("MENUBUTTON_HINT"), "System menu");
    EXPECT_EQ(strings.GetResStr("FIND_REPLACE_All"), "Replace All");
    EXPECT_EQ(strings.GetResStr("mi_closecaption"), "");
    EXPECT_EQ(strings.CharSet(), 1);
    strings.SetResStrings({"A=b=c", "A=second", "B"});
    EXPECT_EQ(strings.GetResStr("A"), "b=c");
    EXPECT_EQ(strings.GetResStr("B"), "");
}

}  // namespace
}  // namespace dsp
