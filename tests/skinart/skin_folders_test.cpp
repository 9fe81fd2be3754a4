// The committed skin folders, read the way the program reads them: packed by
// the skin reader's build from skin.ini, unpacked and parsed into data
// objects. The checks are about what the controls and the frame will need.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <string>

#include "platform/graphics/bmp_file.h"
#include "skin/compressed_stored_skin.h"
#include "skin/data_skin_buttons.h"
#include "skin/data_skin_edits.h"
#include "skin/data_skin_lists.h"
#include "skin/data_skin_objects.h"
#include "skin/data_skin_panels.h"
#include "skin/data_skin_tracks.h"
#include "skin/data_skin_views.h"
#include "skin/skin_data.h"
#include "skin/skin_ini.h"

namespace dsp {
namespace {

const std::string kSkinsDir = std::string(DSP_TEST_DATA) + "/../../resources/skins/";

// Resize mode of a custom-control section, from which anchors are set.
int ResizeMode(const TbsDataSkinCustomControl& c) {
    if (c.SkinRect.IsEmpty()) return -1;
    if (c.RBPoint.X != 0 && c.RBPoint.Y != 0) return 1;
    if (c.RTPoint.X != 0 || c.RTPoint.Y != 0) return 2;
    if (c.LBPoint.X != 0 || c.LBPoint.Y != 0) return 3;
    return 0;
}

bool Inside(const TRect& r, int width, int height) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height;
}

TRect ParseRect(const std::string& value, int* fields) {
    std::istringstream in(value);
    int v[4] = {};
    char comma = 0;
    *fields = 0;
    while (*fields < 4 && in >> v[*fields]) {
        ++*fields;
        in >> comma;
    }
    return {v[0], v[1], v[2], v[3]};
}

// Rectangles placed relative to the control's own image, not in a picture.
bool IsLayoutKey(const std::string& section, const std::string& key) {
    if (key == "clientrect" || key == "captionrect" || key == "trackarea" || key == "itemtextrect" ||
        key == "textrect")
        return true;
    const bool buttonsInBody = section == "spinedit" || section.find("scrollbar") != std::string::npos;
    if (buttonsInBody && (key == "upbuttonrect" || key == "downbuttonrect")) return true;
    return section.find("combobox") != std::string::npos && key == "buttonrect";
}

class SkinFolderTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        stored_.BuildFromSkinIni(kSkinsDir + "skin" + std::to_string(GetParam()) + "/skin.ini");
        ASSERT_FALSE(stored_.IsEmpty());
        data_.LoadFromCompressedStoredSkin(stored_);
        ASSERT_FALSE(data_.Empty());
    }

    template <class T>
    const T* Control(const char* name) const {
        const int i = data_.FindControl(name);
        return i < 0 ? nullptr : dynamic_cast<const T*>(data_.CtrlList()[i].get());
    }

    Bitmap ListPicture(int index) const {
        const auto& bytes = data_.ActivePictures().at(index).Bytes();
        return DecodeBmp(bytes);
    }

    TbsCompressedStoredSkin stored_;
    TbsSkinData data_;
};

TEST_P(SkinFolderTest, EverySectionTheWindowNamesHasItsKind) {
    EXPECT_NE(Control<TbsDataSkinButtonControl>("button"), nullptr);
    EXPECT_NE(Control<TbsDataSkinTrackBarControl>("trackbar"), nullptr);
    EXPECT_NE(Control<TbsDataSkinTrackBarControl>("htrackbar"), nullptr);
    EXPECT_NE(Control<TbsDataSkinSlider>("slider"), nullptr);
    EXPECT_NE(Control<TbsDataSkinEditControl>("edit"), nullptr);
    EXPECT_NE(Control<TbsDataSkinSpinEditControl>("spinedit"), nullptr);
    EXPECT_NE(Control<TbsDataSkinComboBox>("combobox"), nullptr);
    EXPECT_NE(Control<TbsDataSkinComboBox>("statuscombobox"), nullptr);
    EXPECT_NE(Control<TbsDataSkinListBox>("listbox"), nullptr);
    for (const char* name : {"vscrollbar", "hscrollbar", "bothhscrollbar"})
        EXPECT_NE(Control<TbsDataSkinScrollBarControl>(name), nullptr) << name;
    for (const char* name : {"panel", "groupbox", "statusbar"})
        EXPECT_NE(Control<TbsDataSkinPanelControl>(name), nullptr) << name;
    EXPECT_NE(Control<TbsDataSkinLabelControl>("statuspanel"), nullptr);
    EXPECT_NE(Control<TbsDataSkinStdLabelControl>("stdlabel"), nullptr);
    EXPECT_NE(Control<TbsDataSkinBevel>("bevel"), nullptr);
    // The combo's drop-down and the list's scroll bars are found by name too.
    EXPECT_GE(data_.FindControl(Control<TbsDataSkinComboBox>("combobox")->ListBoxName), 0);
    EXPECT_EQ(data_.FindControl("TrackBar"), -1);
}

TEST_P(SkinFolderTest, EveryRectangleLiesInsideItsPictureOrImage) {
    ASSERT_EQ(data_.ActivePictures().size(), 3u);
    for (const auto& control : data_.CtrlList()) {
        const std::string& name = control->IDName();
        SkinIni ini;
        control->SaveToFile(ini);
        const int index = control->PictureIndex;
        if (index < 0) continue;  // labels and bevels draw no picture
        ASSERT_LT(index, int(data_.ActivePictures().size())) << name;
        const auto& pic = data_.ActivePictures()[index];
        const TRect skin = control->SkinRect;
        int images = 0;
        for (const auto& [key, value] : ini.Keys(name)) {
            int fields = 0;
            const TRect r = ParseRect(value, &fields);
            if (fields != 4 || r.IsEmpty()) continue;
            if (IsLayoutKey(name, key)) {
                EXPECT_TRUE(Inside(r, skin.Width(), skin.Height())) << name << " " << key << "=" << value;
            } else {
                EXPECT_TRUE(Inside(r, pic.Width(), pic.Height())) << name << " " << key << "=" << value;
                ++images;
            }
        }
        EXPECT_GT(images, 0) << name << " names no image";
    }
}

TEST_P(SkinFolderTest, SectionsFitTheWindowsControlSizes) {
    const auto* button = Control<TbsDataSkinButtonControl>("button");
    EXPECT_EQ(button->SkinRect.Height(), 25);
    EXPECT_EQ(ResizeMode(*button), 2);  // any width: 82, 75, 71 and 67
    EXPECT_LE(button->LTPoint.X + button->SkinRect.Width() - button->RTPoint.X, 67);
    for (const char* name : {"combobox", "statuscombobox"}) {
        const auto* combo = Control<TbsDataSkinComboBox>(name);
        EXPECT_EQ(ResizeMode(*combo), 2) << name;
        EXPECT_GE(combo->ButtonRect.Left, combo->RTPoint.X) << name << ": the button must follow the width";
    }
    EXPECT_EQ(Control<TbsDataSkinComboBox>("combobox")->SkinRect.Height(), 20);
    EXPECT_EQ(Control<TbsDataSkinComboBox>("statuscombobox")->SkinRect.Height(), 21);
    const auto* spin = Control<TbsDataSkinSpinEditControl>("spinedit");
    EXPECT_EQ(spin->SkinRect.Height(), 20);
    EXPECT_GE(spin->UpButtonRect.Left, spin->RTPoint.X);
    EXPECT_EQ(spin->DownButtonRect.Top, spin->UpButtonRect.Bottom);
    const auto* edit = Control<TbsDataSkinEditControl>("edit");
    EXPECT_EQ(edit->SkinRect.Height(), 18);
    EXPECT_LE(edit->LTPoint.X + edit->SkinRect.Width() - edit->RTPoint.X, 23) << "ends wider than a read-out";
    const auto* group = Control<TbsDataSkinPanelControl>("groupbox");
    EXPECT_GE(group->ClientRect.Top, 22);
    EXPECT_FALSE(group->CaptionRect.IsEmpty());
    EXPECT_LE(group->CaptionRect.Bottom, group->ClientRect.Top);
    EXPECT_EQ(Control<TbsDataSkinPanelControl>("statusbar")->SkinRect.Height(), 21);
    EXPECT_EQ(ResizeMode(*Control<TbsDataSkinPanelControl>("panel")), 1);
    EXPECT_EQ(ResizeMode(*Control<TbsDataSkinLabelControl>("statuspanel")), 2);
    // A 150 x 40 slider: thumb, ruler and a tick row all fit its height.
    const auto* slider = Control<TbsDataSkinSlider>("slider");
    EXPECT_LT(std::max(slider->HThumbRect.Height(), slider->HRulerRect.Height()) + 7 + 5, 40);
    EXPECT_EQ(slider->HThumbRect.Width() % 2, 0) << "two equal thumb states";
    EXPECT_LT(2 * slider->EdgeSize, slider->HRulerRect.Width());
}

TEST_P(SkinFolderTest, KeyedPicturesShowTheirKeyWhereTheyAreTransparent) {
    const Bitmap controls = ListPicture(0);
    const auto* slider = Control<TbsDataSkinSlider>("slider");
    // The slider keys its ruler by the ruler's bottom-left pixel.
    for (const TRect& r : {slider->HRulerRect, slider->VRulerRect}) {
        const Color key = controls.GetPixel(r.Left, r.Bottom - 1);
        EXPECT_EQ(key, clFuchsia);
        EXPECT_NE(controls.GetPixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), key);
    }
    for (const char* name : {"trackbar", "htrackbar"}) {
        const auto* track = Control<TbsDataSkinTrackBarControl>(name);
        EXPECT_TRUE(track->ButtonTransparent) << name;
        EXPECT_EQ(track->ButtonTransparentColor, 16711935) << name;
        for (const TRect& r : {track->ButtonRect, track->ActiveButtonRect}) {
            EXPECT_EQ(controls.GetPixel(r.Left, r.Top), clFuchsia) << name;
            EXPECT_EQ(controls.GetPixel(r.Right - 1, r.Bottom - 1), clFuchsia) << name;
            EXPECT_NE(controls.GetPixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), clFuchsia) << name;
        }
    }
}

TEST_P(SkinFolderTest, MaskIsOneBitAndShapesTheFramePicture) {
    ASSERT_FALSE(data_.Mask().Empty());
    EXPECT_EQ(data_.Mask().BitCount(), 1);
    EXPECT_EQ(data_.Mask().Width(), data_.Picture().Width());
    EXPECT_EQ(data_.Mask().Height(), data_.Picture().Height());
    EXPECT_FALSE(data_.MaskName().empty());
    const Bitmap mask = DecodeBmp(data_.Mask().Bytes());
    const TRect client = data_.FormData().ClientRect;
    EXPECT_EQ(mask.GetPixel(0, 0), clWhite) << "a rounded corner lies outside the window";
    EXPECT_EQ(mask.GetPixel(mask.Width() - 1, 0), clWhite);
    EXPECT_EQ(mask.GetPixel(mask.Width() / 2, 0), clBlack);
    EXPECT_EQ(mask.GetPixel(client.Left, client.Top), clBlack);
    EXPECT_EQ(mask.GetPixel(mask.Width() - 1, mask.Height() - 1), clBlack);
}

TEST_P(SkinFolderTest, FrameObjectsSitWhereTheFrameMovesThem) {
    const auto& form = data_.FormData();
    const int wp = data_.Picture().Width();
    ASSERT_EQ(data_.ObjectList().size(), 7u);
    const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(data_.ObjectList()[0].get());
    ASSERT_NE(caption, nullptr);
    // The caption grows with the width: from the top-left into the top-right zone.
    EXPECT_LT(caption->SkinRect.Left, form.LTPoint.X);
    EXPECT_GE(caption->SkinRect.Right - 1, form.RTPoint.X);
    EXPECT_LE(caption->SkinRect.Bottom, form.RTPoint.Y);
    const std::pair<const char*, TbsStdCommand> buttons[] = {
        {"closebutton", TbsStdCommand::cmClose},     {"maxbutton", TbsStdCommand::cmMaximize},
        {"minbutton", TbsStdCommand::cmMinimize},    {"rollupbutton", TbsStdCommand::cmRollUp},
        {"traybutton", TbsStdCommand::cmMinimizeToTray}, {"sysmenubutton", TbsStdCommand::cmSysMenu}};
    for (const auto& [name, command] : buttons) {
        const int i = data_.FindObject(name);
        ASSERT_GE(i, 0) << name;
        const auto* b = dynamic_cast<const TbsDataSkinStdButton*>(data_.ObjectList()[i].get());
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->Command, command) << name;
        EXPECT_FALSE(b->SkinRectInAPicture) << name;
        const TRect r = b->SkinRect;
        if (command == TbsStdCommand::cmSysMenu) {
            EXPECT_LE(r.Right, form.LTPoint.X) << name << " stays at the left";
        } else {  // wholly in the top-right zone: moves right with the window
            EXPECT_GE(r.Left, form.RTPoint.X) << name;
            EXPECT_LE(r.Right, wp) << name;
            EXPECT_LT(r.Bottom, form.RTPoint.Y) << name;
        }
        for (const TRect& own : {b->ActiveSkinRect, b->DownRect, b->DisableSkinRect, b->InActiveSkinRect})
            EXPECT_EQ(std::pair(own.Width(), own.Height()), std::pair(r.Width(), r.Height())) << name;
    }
    const auto* max = dynamic_cast<const TbsDataSkinStdButton*>(data_.ObjectList()[data_.FindObject("maxbutton")].get());
    EXPECT_FALSE(max->RestoreRect.IsEmpty()) << "a maximized window shows the restore image";
}

INSTANTIATE_TEST_SUITE_P(OurSkins, SkinFolderTest, ::testing::Values(1, 2, 3));

TEST(SkinTwo, TrackBarIsAVerticalFaderSizedInHeightOnly) {
    TbsCompressedStoredSkin stored;
    stored.BuildFromSkinIni(kSkinsDir + "skin2/skin.ini");
    TbsSkinData data;
    data.LoadFromCompressedStoredSkin(stored);
    const int i = data.FindControl("trackbar");
    ASSERT_GE(i, 0);
    const auto* track = dynamic_cast<const TbsDataSkinTrackBarControl*>(data.CtrlList()[i].get());
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(ResizeMode(*track), 3);
    EXPECT_TRUE(track->Vertical);
    EXPECT_EQ(track->SkinRect.Width(), 20);  // the window's track bars are 20 wide
    EXPECT_LE(track->SkinRect.Height(), 112);
    EXPECT_EQ(track->ButtonRect.Width(), 20);
    EXPECT_EQ(track->ButtonTransparentColor, 0xFF00FF);
    EXPECT_EQ(track->ActiveSkinRect.Width(), track->SkinRect.Width());
    EXPECT_EQ(track->ActiveSkinRect.Height(), track->SkinRect.Height());
    // The thumb travels inside the image, and the travel leaves room for it.
    EXPECT_TRUE(Inside(track->TrackArea, track->SkinRect.Width(), track->SkinRect.Height()));
    EXPECT_GT(track->TrackArea.Height(), 3 * track->ButtonRect.Height());
}

}  // namespace
}  // namespace dsp
