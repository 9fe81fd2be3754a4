// The combo box, its drop-down list and the list's scroll bar on our first
// skin: the sizes the sections give, the pictures each state draws, and the
// open combos against golden pictures.

#include "controls/combo_box.h"
#include "controls/list_box.h"
#include "controls/popup_list_box.h"
#include "controls/scroll_bar.h"
#include "skin/compressed_stored_skin.h"
#include "skin/data_skin_lists.h"
#include "skin/embedded/embedded_skins.h"
#include "skin/skin_data.h"
#include "tests/support/form_fixture.h"
#include "tests/support/golden.h"

namespace dsp::test {
namespace {

const std::string kGolden = std::string(DSP_TEST_DATA) + "/golden";

std::vector<std::string> Items(int count) {
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i) items.push_back("COM" + std::to_string(i));
    return items;
}

class SkinnedComboTest : public FormTest {
  protected:
    SkinnedComboTest() {
        TbsCompressedStoredSkin stored;
        LoadEmbeddedSkin(1, stored);
        data_.LoadFromCompressedStoredSkin(stored);
    }

    TbsSkinComboBox* Make(const std::string& section, int items, int height = 20) {
        auto* combo = new TbsSkinComboBox(form_);
        combo->SetParent(form_);
        combo->SetBounds(20, 20, 120, height);
        combo->SetSkinDataName(section);
        combo->SetSkinData(&data_);
        combo->SetItems(Items(items));
        combo->SetItemIndex(0);
        Show();
        return combo;
    }
    const Bitmap& Picture() const { return data_.ActivePictureBitmaps()[0]; }
    template <class T>
    T& Section(const std::string& name) {
        return dynamic_cast<T&>(*data_.CtrlList()[static_cast<std::size_t>(data_.FindControl(name))]);
    }
    // The combo and its open list below it, as the screen shows them.
    Bitmap OpenPicture(TbsSkinComboBox& combo) {
        TbsPopupListBox& list = combo.ListBox();
        Bitmap out(std::max(combo.Width(), list.Width()), combo.Height() + list.Height(), clWhite);
        Canvas c(out);
        c.Draw({0, 0}, combo.PaintToBitmap());
        list.PaintTo(c, {0, combo.Height()});
        return out;
    }

    TbsSkinData data_;
};

TEST_F(SkinnedComboTest, PortListShowsItsSkinnedBarAndAShortListNone) {
    TbsSkinComboBox* combo = Make("combobox", 11);
    Click(combo, 60, 10);
    TbsSkinCustomListBox& box = combo->ListBox().ListBox();
    EXPECT_EQ(box.SkinIndex(), data_.FindControl("listbox"));
    EXPECT_EQ(box.ItemHeight(), 18);  // the list section's item picture
    EXPECT_EQ(combo->ListBox().Height(), 4 + 8 * 18);
    TbsSkinScrollBar* bar = box.ScrollBar();
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->SkinIndex(), data_.FindControl("vscrollbar"));
    EXPECT_EQ(bar->Width(), 16);
    EXPECT_EQ(box.RowsRect(), (Rect{2, 2, bar->Left(), 2 + 8 * 18}));
    EXPECT_EQ(bar->Model().PageSize(), 8);
    Key(kVkEscape);

    combo->SetItems(Items(4));
    Click(combo, 60, 10);
    EXPECT_FALSE(box.ScrollBar()->Visible());
    EXPECT_EQ(combo->ListBox().Height(), 4 + 4 * 18);
    EXPECT_EQ(box.RowsRect().right, combo->Width() - 2);
}

TEST_F(SkinnedComboTest, ButtonAndTextAreaMoveWithTheWidthAndShowTheirState) {
    TbsSkinComboBox* combo = Make("combobox", 4);
    const auto& s = Section<TbsDataSkinComboBox>("combobox");
    // buttonrect 43,2,58,18 of a 60-pixel section, in a 120-pixel combo.
    EXPECT_EQ(combo->ButtonRect(), (Rect{103, 2, 118, 18}));
    EXPECT_EQ(combo->TextAreaRect(), (Rect{3, 3, 102, 17}));
    MoveTo(combo, 110, 8);
    Bitmap hot = combo->PaintToBitmap();
    EXPECT_EQ(hot.GetPixel(103, 2), Picture().GetPixel(s.ActiveButtonRect.Left, s.ActiveButtonRect.Top));
    // Hot: the active body's left end and the active item's middle.
    EXPECT_EQ(hot.GetPixel(0, 10), Picture().GetPixel(s.ActiveSkinRect.Left, s.ActiveSkinRect.Top + 10));
    EXPECT_EQ(hot.GetPixel(50, 3), Picture().GetPixel(s.ActiveItemRect.Left + 2, s.ActiveItemRect.Top));
    combo->SetEnabled(false);
    MoveTo(form_, 5, 200);
    Bitmap off = combo->PaintToBitmap();
    EXPECT_EQ(off.GetPixel(104, 3),
              Picture().GetPixel(s.UnEnabledButtonRect.Left + 1, s.UnEnabledButtonRect.Top + 1));
    EXPECT_EQ(off.GetPixel(0, 10), Picture().GetPixel(s.SkinRect.Left, s.SkinRect.Top + 10));
}

TEST_F(SkinnedComboTest, RowsAndThumbComeFromTheirPictures) {
    TbsSkinComboBox* combo = Make("combobox", 11);
    Click(combo, 60, 10);
    TbsSkinCustomListBox& box = combo->ListBox().ListBox();
    const auto& l = Section<TbsDataSkinListBox>("listbox");
    Bitmap list = box.PaintToBitmap();
    // Row 0 is the current one; row 1 is plain. Columns past the fixed left
    // end repeat the middle of the item picture.
    EXPECT_EQ(list.GetPixel(2, 2), Picture().GetPixel(l.ActiveItemRect.Left, l.ActiveItemRect.Top));
    EXPECT_EQ(list.GetPixel(2, 2 + 18), Picture().GetPixel(l.ItemRect.Left, l.ItemRect.Top));
    const int middle = l.ItemRect.Width() - l.ItemLeftOffset - l.ItemRightOffset;
    EXPECT_EQ(list.GetPixel(2 + 3 + middle + 1, 2 + 18 + 17),
              Picture().GetPixel(l.ItemRect.Left + 3 + 1, l.ItemRect.Top + 17));

    TbsSkinScrollBar& bar = *box.ScrollBar();
    const auto& s = Section<TbsDataSkinScrollBarControl>("vscrollbar");
    const ScrollBarParts parts = bar.Parts();
    // Track 28 + (144 - 60) long; the thumb is 8/11 of it, its ends fixed.
    EXPECT_EQ(parts.track, (Rect{0, 16, 16, 128}));
    EXPECT_EQ(parts.thumb.Height(), 80);
    Bitmap b = bar.PaintToBitmap();
    EXPECT_EQ(b.GetPixel(parts.thumb.left, parts.thumb.top),
              Picture().GetPixel(s.ThumbRect.Left, s.ThumbRect.Top));
    EXPECT_EQ(b.GetPixel(parts.thumb.left, parts.thumb.bottom - 1),
              Picture().GetPixel(s.ThumbRect.Left, s.ThumbRect.Bottom - 1));
    // The lower arrow moved with the length and shows its hot picture.
    MoveTo(&bar, 8, 144 - 8);
    b = bar.PaintToBitmap();
    EXPECT_EQ(b.GetPixel(0, 128),
              Picture().GetPixel(s.ActiveDownButtonRect.Left, s.ActiveDownButtonRect.Top));
}

TEST_F(SkinnedComboTest, RowsOfTheDefaultHeightFitTheItemPictureByNinePieces) {
    TbsSkinComboBox* combo = Make("combobox", 4);
    combo->SetListBoxUseSkinItemHeight(false);
    Click(combo, 60, 10);
    TbsSkinCustomListBox& box = combo->ListBox().ListBox();
    EXPECT_EQ(box.ItemHeight(), 20);
    EXPECT_EQ(combo->ListBox().Height(), 4 + 4 * 20);
    const auto& l = Section<TbsDataSkinListBox>("listbox");
    Bitmap list = box.PaintToBitmap();
    // Row 1 is plain: its corners are the item picture's corners.
    const int right = box.RowsRect().right - 1, bottom = 2 + 2 * 20 - 1;
    EXPECT_EQ(list.GetPixel(2, 2 + 20), Picture().GetPixel(l.ItemRect.Left, l.ItemRect.Top));
    EXPECT_EQ(list.GetPixel(right, bottom), Picture().GetPixel(l.ItemRect.Right - 1, l.ItemRect.Bottom - 1));
    // Row 0 is current: the active picture's corner.
    EXPECT_EQ(list.GetPixel(2, 2), Picture().GetPixel(l.ActiveItemRect.Left, l.ActiveItemRect.Top));
}

TEST_F(SkinnedComboTest, AListSectionWithoutAPictureKeepsTheRowHeightButDrawsNoRows) {
    Section<TbsDataSkinListBox>("listbox").PictureIndex = -1;
    TbsSkinComboBox* combo = Make("combobox", 4);
    Click(combo, 60, 10);
    TbsSkinCustomListBox& box = combo->ListBox().ListBox();
    EXPECT_EQ(box.ItemHeight(), 18);
    EXPECT_EQ(combo->ListBox().Height(), 4 + 4 * 18);
    Bitmap list = box.PaintToBitmap();
    const Color blank = list.GetPixel(0, 0);
    for (int y = 0; y < list.Height(); ++y)
        for (int x = 0; x < list.Width(); ++x) ASSERT_EQ(list.GetPixel(x, y), blank) << x << "," << y;
}

#if !defined(_WIN32)  // FreeType's glyph pixels; the Windows build draws text through GDI
TEST_F(SkinnedComboTest, OpenCombosMatchTheirGoldenPictures) {
    struct Case {
        const char* section;
        int items;
        int height;
        const char* golden;
    };
    for (const Case& c : {Case{"combobox", 11, 20, "skinned_port_combo_open"},
                          Case{"combobox", 4, 20, "skinned_option_combo_open"},
                          Case{"statuscombobox", 2, 21, "skinned_language_combo_open"}}) {
        TbsSkinComboBox* combo = Make(c.section, c.items, c.height);
        Click(combo, 60, 10);
        ASSERT_TRUE(combo->DroppedDown()) << c.golden;
        MoveTo(&combo->ListBox().ListBox(), 30, 2 + 18 + 9);  // the second row becomes current
        EXPECT_TRUE(MatchesGolden(OpenPicture(*combo), kGolden, c.golden, {48, 40})) << c.golden;
        Key(kVkEscape);
        delete combo;
    }
}
#endif

}  // namespace
}  // namespace dsp::test
