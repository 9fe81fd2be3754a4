// The system menu: its items by the window's state, opened by the menu
// button or a right click on the caption, driven by mouse and keys.

#include "skin/form/skin_popup_menu.h"
#include "tests/skin/form/skin_form_fixture.h"

namespace dsp::test {
namespace {

std::vector<std::string> Captions(const TbsSkinPopupMenu& menu) {
    std::vector<std::string> out;
    for (const TbsMenuItem& item : menu.Items())
        out.push_back(item.caption + (item.shortCut.empty() ? "" : "\t" + item.shortCut));
    return out;
}

TEST_F(SkinFormTest, TheMenuButtonOpensTheSystemMenuBelowItself) {
    Start();
    const Rect button = ObjectRect("sysmenubutton");
    host_->MouseMove(At(button));
    host_->MouseDown(At(button));
    Process();
    TbsSkinPopupMenu* menu = frame_->SystemMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->Visible());
    EXPECT_EQ((Point{menu->Left(), menu->Top()}), At(button.left, button.bottom));
    EXPECT_EQ(Captions(*menu),
              (std::vector<std::string>{"Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close\tAlt+F4"}));
    host_->MouseUp(At(button));
    Process();
    // Still open after the release; Escape closes it and the window stays.
    EXPECT_TRUE(menu->Visible());
    host_->PressKey(kVkEscape);
    Process();
    EXPECT_FALSE(menu->Visible());
    EXPECT_TRUE(form_->Visible());
    EXPECT_EQ(frame_->PressedIndex(), -1);
}

TEST_F(SkinFormTest, ARightClickOnTheCaptionOpensTheMenuAtTheCursor) {
    Start();
    const Point p = At(ObjectRect("caption1").left + 20, 12);
    host_->MouseMove(p);
    host_->MouseDown(p, TMouseButton::mbRight);
    host_->MouseUp(p, TMouseButton::mbRight);
    Process();
    ASSERT_NE(frame_->SystemMenu(), nullptr);
    EXPECT_TRUE(frame_->SystemMenu()->Visible());
    EXPECT_EQ((Point{frame_->SystemMenu()->Left(), frame_->SystemMenu()->Top()}), p);
    // A click outside closes it without doing anything.
    ClickAt(At(200, 200));
    EXPECT_FALSE(frame_->SystemMenu()->Visible());
    EXPECT_FALSE(frame_->RollUpState());
}

TEST_F(SkinFormTest, MenuItemsFollowTheStateAndCarryOutTheirCommand) {
    Start();
    TbsSkinPopupMenu* menu = nullptr;
    auto open = [&] {
        frame_->OpenSystemMenu(At(50, 50));
        menu = frame_->SystemMenu();
        Process();
    };
    open();
    // The keyboard: Down to the third row (roll up), Enter.
    host_->PressKey(kVkDown);
    host_->PressKey(kVkDown);
    host_->PressKey(kVkDown);
    host_->PressKey(kVkReturn);
    Process();
    EXPECT_FALSE(menu->Visible());
    EXPECT_TRUE(frame_->RollUpState());
    open();
    EXPECT_EQ(Captions(*menu),
              (std::vector<std::string>{"Mi&nimize", "&Restore", "Ma&ximize", "-", "&Close\tAlt+F4"}));
    // A click on "&Restore" unrolls the window.
    ClickAt({menu->Left() + menu->ItemRect(1).left + 10, menu->Top() + menu->ItemRect(1).top + 5});
    EXPECT_FALSE(frame_->RollUpState());
    // The accelerator letter chooses at once: "c" closes.
    int closes = 0;
    form_->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    open();
    host_->Type("c");
    Process();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(menu->Visible());
}

}  // namespace
}  // namespace dsp::test
