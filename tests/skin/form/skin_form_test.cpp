// The skinned frame on a headless form with our skin 1: non-client size, hit
// codes, the caption buttons and their commands, the window states, the
// caption double-click and drag, the window's shape and the fallback frame.

#include "skin/skin_package.h"
#include "skin/skin_zlib.h"
#include "tests/skin/form/skin_form_fixture.h"

namespace dsp::test {
namespace {

TEST_F(SkinFormTest, TheClientAreaKeepsItsSizeWhenTheFrameArrives) {
    form_->SetClientWidth(300);
    form_->SetClientHeight(200);
    Start();
    EXPECT_TRUE(frame_->Skinned());
    EXPECT_EQ(form_->ClientRectInWindow(), (Rect{6, 30, 306, 230}));
    EXPECT_EQ(form_->Width(), 312);
    EXPECT_EQ(form_->Height(), 236);
    form_->SetBounds(form_->Left(), form_->Top(), 500, 400);
    EXPECT_EQ(form_->ClientRectInWindow(), (Rect{6, 30, 494, 394}));
}

TEST_F(SkinFormTest, HitCodesOfCaptionClientAndButtons) {
    Start();
    const Rect caption = ObjectRect("caption1");
    EXPECT_EQ(frame_->HitTest({caption.left + 5, caption.top + 5}), kHtCaption);
    EXPECT_EQ(frame_->HitTest({100, 100}), kHtClient);
    EXPECT_EQ(frame_->HitTest({ObjectRect("closebutton").left + 3, 10}), kHtObject);
    // The frame's border outside every object.
    EXPECT_EQ(frame_->HitTest({2, 150}), kHtObject);
    // Not sizeable: no sizing codes even at the corners.
    EXPECT_EQ(frame_->HitTest({form_->Width() - 1, form_->Height() - 1}), kHtObject);
}

TEST_F(SkinFormTest, ASizeableFrameAnswersTheSizingCodes) {
    Start(true);
    const int w = form_->Width(), h = form_->Height();
    EXPECT_EQ(frame_->HitTest({1, 1}), kHtTopLeft);
    EXPECT_EQ(frame_->HitTest({w - 2, 2}), kHtTopRight);
    EXPECT_EQ(frame_->HitTest({2, h - 2}), kHtBottomLeft);
    EXPECT_EQ(frame_->HitTest({w - 2, h - 2}), kHtBottomRight);
    EXPECT_EQ(frame_->HitTest({2, 150}), kHtLeft);
    EXPECT_EQ(frame_->HitTest({w - 2, 150}), kHtRight);
    EXPECT_EQ(frame_->HitTest({200, h - 2}), kHtBottom);
    EXPECT_EQ(frame_->HitTest({200, 100}), kHtClient);
    // Maximized, the border no longer sizes.
    frame_->SetWindowState(TbsWindowState::wsMaximized);
    EXPECT_EQ(frame_->HitTest({2, 150}), kHtObject);
}

TEST_F(SkinFormTest, TheSixCaptionButtonsAndTheTrayButtonDisabledButDrawn) {
    Start();
    for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton", "sysmenubutton"}) {
        TbsActiveSkinObject* o = frame_->FindObject(name);
        ASSERT_NE(o, nullptr) << name;
        EXPECT_TRUE(o->Enabled && o->Visible) << name;
    }
    TbsActiveSkinObject* tray = frame_->FindObject("traybutton");
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(tray->Enabled);
    EXPECT_TRUE(tray->Visible);
    // Its disabled image (caption_buttons.bmp 51,80..) is what the screen shows.
    const Rect r = tray->ObjectRect();
    const Bitmap& buttons = skin_->ActivePictureBitmaps()[2];
    EXPECT_EQ(host_->PixelAt(At(r.left + 8, r.top + 8)), buttons.GetPixel(51 + 8, 80 + 8));
    // A disabled button never becomes hot.
    host_->MouseMove(At(r));
    Process();
    EXPECT_EQ(frame_->HotIndex(), -1);
    // Giving the icon back enables it.
    frame_->SetBorderIcons(frame_->BorderIcons() | biMinimizeToTray);
    EXPECT_TRUE(tray->Enabled);
    host_->MouseMove(At(r) + Point{1, 0});
    Process();
    ASSERT_GE(frame_->HotIndex(), 0);
    EXPECT_EQ(frame_->Objects()[static_cast<std::size_t>(frame_->HotIndex())].get(), tray);
}

TEST_F(SkinFormTest, HiddenCaptionButtonsStayDrawnDisabledAndDoNothing) {
    Start();
    frame_->SetHideCaptionButtons(true);
    int closes = 0;
    form_->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    for (const auto& o : frame_->Objects()) {
        if (o->IsCaption()) continue;
        EXPECT_FALSE(o->Enabled) << o->IDName();
        EXPECT_TRUE(o->Visible) << o->IDName();
    }
    ClickAt(At(ObjectRect("closebutton")));
    ClickAt(At(ObjectRect("minbutton")));
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(frame_->WindowState(), TbsWindowState::wsNormal);
}

TEST_F(SkinFormTest, HoverShowsTheHotImageAndLeavingEndsIt) {
    Start();
    const Rect close = ObjectRect("closebutton");
    std::vector<std::string> events;
    frame_->OnMouseEnterEvent = [&](TObject*, const std::string& id) { events.push_back("enter " + id); };
    frame_->OnMouseLeaveEvent = [&](TObject*, const std::string& id) { events.push_back("leave " + id); };
    host_->MouseMove(At(close));
    Process();
    EXPECT_EQ(frame_->HotIndex() >= 0, true);
    // The fade to the hot image runs in 0.2 steps every 25 ms.
    Advance(125);
    const Bitmap& buttons = skin_->ActivePictureBitmaps()[2];
    EXPECT_EQ(host_->PixelAt(At(close.left + 8, close.top + 8)), buttons.GetPixel(8, 8));
    host_->MouseMove(At(200, 150));
    Process();
    Advance(60);
    EXPECT_EQ(frame_->HotIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"enter closebutton", "leave closebutton"}));
}

TEST_F(SkinFormTest, ReleasingOutsideTheCloseButtonDoesNotClose) {
    Start();
    int closes = 0;
    form_->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    const Rect close = ObjectRect("closebutton");
    host_->MouseMove(At(close));
    host_->MouseDown(At(close));
    Process();
    // Held and moved off, it no longer shows as down.
    host_->MouseMove(At(close.left - 30, close.top + 40));
    host_->MouseUp(At(close.left - 30, close.top + 40));
    Process();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(frame_->PressedIndex(), -1);
    EXPECT_EQ(app_->Input().Capture(), nullptr);
    // Released on it, it closes.
    ClickAt(At(close));
    EXPECT_EQ(closes, 1);
}

TEST_F(SkinFormTest, AHeldButtonOffThePointerShowsItsNormalImage) {
    Start();
    const Rect close = ObjectRect("closebutton");
    const Point inside = At(close.left + 8, close.top + 8);
    const Color normal = host_->PixelAt(inside);
    host_->MouseMove(At(close));
    host_->MouseDown(At(close));
    Process();
    Advance(125);
    const Color down = host_->PixelAt(inside);
    EXPECT_NE(down, normal);
    // Held, and moved onto the client area: neither down nor hot.
    host_->MouseMove(At(200, 150));
    Process();
    Advance(125);
    EXPECT_EQ(host_->PixelAt(inside), normal);
    EXPECT_FALSE(frame_->FindObject("closebutton")->Active);
    EXPECT_EQ(frame_->HotIndex(), -1);
    // Back on it, still held: down again.
    host_->MouseMove(At(close));
    Process();
    Advance(125);
    EXPECT_EQ(host_->PixelAt(inside), down);
    host_->MouseUp(At(200, 150));
    Process();
}

TEST_F(SkinFormTest, TheMinimizeButtonIconifiesTheWindow) {
    Start();
    int minimized = 0, restored = 0;
    frame_->OnMinimize = [&](TObject*) { ++minimized; };
    frame_->OnRestore = [&](TObject*) { ++restored; };
    ClickAt(At(ObjectRect("minbutton")));
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(frame_->WindowState(), TbsWindowState::wsMinimized);
    EXPECT_TRUE(host_->Iconic(*form_));
    frame_->SetWindowState(TbsWindowState::wsNormal);
    EXPECT_FALSE(host_->Iconic(*form_));
    EXPECT_EQ(restored, 1);
}

// The display iconifies or restores the window by itself (a window manager's
// task list, a program mapping it again): the frame's state follows, once.
TEST_F(SkinFormTest, TheDisplaysOwnMinimizeAndRestoreReachTheState) {
    Start();
    int minimized = 0, restored = 0;
    frame_->OnMinimize = [&](TObject*) { ++minimized; };
    frame_->OnRestore = [&](TObject*) { ++restored; };
    form_->Perform(kWmSysCommand, kScRestore);  // not minimized: nothing to restore
    EXPECT_EQ(restored, 0);
    form_->Perform(kWmSysCommand, kScMinimize);
    form_->Perform(kWmSysCommand, kScMinimize);
    EXPECT_EQ(frame_->WindowState(), TbsWindowState::wsMinimized);
    EXPECT_EQ(minimized, 1);
    form_->Perform(kWmSysCommand, kScRestore);
    EXPECT_EQ(frame_->WindowState(), TbsWindowState::wsNormal);
    EXPECT_FALSE(host_->Iconic(*form_));
    EXPECT_EQ(restored, 1);
    // Other commands still reach the form: closing ends it.
    bool closed = false;
    form_->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    form_->Perform(kWmSysCommand, kScClose);
    EXPECT_TRUE(closed);
}

TEST_F(SkinFormTest, MaximizeFillsTheWorkAreaAndRestoreComesBack) {
    host_->SetWorkArea({0, 0, 1280, 1000});
    host_->SetMonitors({{{0, 0, 1280, 1024}, {0, 0, 1280, 1000}}});
    Start();
    const Rect before = form_->BoundsRect();
    int maximized = 0;
    frame_->OnMaximize = [&](TObject*) { ++maximized; };
    ClickAt(At(ObjectRect("maxbutton")));
    EXPECT_EQ(maximized, 1);
    EXPECT_EQ(form_->BoundsRect(), (Rect{0, 0, 1280, 1000}));
    // The button now shows its restore image and restores.
    ClickAt(At(ObjectRect("maxbutton")));
    EXPECT_EQ(frame_->WindowState(), TbsWindowState::wsNormal);
    EXPECT_EQ(form_->BoundsRect(), before);
}

TEST_F(SkinFormTest, ACaptionDoubleClickRollsUpToTheFrameAndBack) {
    Start();
    const int height = form_->Height();
    int changes = 0;
    frame_->OnChangeRollUpState = [&](TObject*) { ++changes; };
    const Point caption = At(ObjectRect("caption1").left + 10, 10);
    ClickAt(caption);
    ClickAt(caption);
    EXPECT_TRUE(frame_->RollUpState());
    EXPECT_EQ(form_->Height(), kPictureHeight - 84);  // the frame without its client part
    EXPECT_EQ(form_->ClientRectInWindow().Height(), 0);
    // Rolled up, the buttons still answer and the caption still drags.
    EXPECT_EQ(frame_->HitTest({ObjectRect("closebutton").left + 3, 10}), kHtObject);
    Advance(600);
    ClickAt(caption);
    ClickAt(caption);
    EXPECT_FALSE(frame_->RollUpState());
    EXPECT_EQ(form_->Height(), height);
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinFormTest, DraggingTheCaptionMovesTheWindowWithoutAWindowManager) {
    Start();
    const Point start = At(ObjectRect("caption1").left + 10, 12);
    const Point origin{form_->Left(), form_->Top()};
    host_->MouseMove(start);
    host_->MouseDown(start);
    Process();
    // A pixel or two is not a drag yet.
    host_->MouseMove(start + Point{1, 1});
    Process();
    EXPECT_EQ((Point{form_->Left(), form_->Top()}), origin);
    for (int step = 1; step <= 4; ++step) {
        host_->MouseMove(start + Point{10 * step, 5 * step});
        Process();
    }
    host_->MouseUp(start + Point{40, 20});
    Process();
    EXPECT_EQ((Point{form_->Left(), form_->Top()}), (origin + Point{40, 20}));
    EXPECT_EQ(app_->Input().Capture(), nullptr);
}

// Magnetic: a window moved to within MagneticSize of an edge of its work
// area lands on that edge; further off, or without it, it goes where dragged.
TEST_F(SkinFormTest, AMagneticWindowSnapsToTheWorkAreaEdgesWhileDragged) {
    host_->SetWorkArea({0, 30, 1280, 1000});
    host_->SetMonitors({{{0, 0, 1280, 1024}, {0, 30, 1280, 1000}}});
    Start();
    auto dragBy = [&](Point travel) {
        const Point start = At(ObjectRect("caption1").left + 10, 12);
        host_->MouseMove(start);
        host_->MouseDown(start);
        Process();
        host_->MouseMove(start + travel);
        host_->MouseUp(start + travel);
        Process();
        return Point{form_->Left(), form_->Top()};
    };
    frame_->SetMagnetic(true);
    // Left edge 5 off the area's left, top 4 below its top (the panel's edge).
    EXPECT_EQ(dragBy({-95, -66}), (Point{0, 30}));
    // The right and bottom edges snap the same way; 6 off is too far.
    EXPECT_EQ(dragBy({1280 - form_->Width() - 3, 1000 - form_->Height() - 36}),
              (Point{1280 - form_->Width(), 1000 - form_->Height() - 6}));
    frame_->SetMagneticSize(10);
    EXPECT_EQ(dragBy({0, 3}), (Point{1280 - form_->Width(), 1000 - form_->Height()}));
    frame_->SetMagnetic(false);
    EXPECT_EQ(dragBy({-4, -4}), (Point{1276 - form_->Width(), 996 - form_->Height()}));
}

// The pointer: the window's own over its client area, an arrow over the
// frame, sizing arrows at the border; with UseFormCursorInNCArea the
// window's own over the caption and the buttons too, the borders unchanged.
TEST_F(SkinFormTest, TheFormsCursorOverTheFrameWithUseFormCursorInNCArea) {
    Start(true);
    form_->SetCursor(TCursor::crHandPoint);
    auto shapeAt = [&](Point window) {
        host_->MouseMove(At(window.x, window.y));
        Process();
        return host_->CursorOf(*form_);
    };
    const Point client{200, 100}, caption{ObjectRect("caption1").left + 10, 12};
    const Point button{ObjectRect("closebutton").left + 3, 10}, border{2, 150};
    EXPECT_EQ(shapeAt(client), TCursor::crHandPoint);
    EXPECT_EQ(shapeAt(caption), TCursor::crArrow);
    EXPECT_EQ(shapeAt(button), TCursor::crArrow);
    EXPECT_EQ(shapeAt(border), TCursor::crSizeWE);
    frame_->SetUseFormCursorInNCArea(true);
    EXPECT_EQ(shapeAt(caption), TCursor::crHandPoint);
    EXPECT_EQ(shapeAt(button), TCursor::crHandPoint);
    EXPECT_EQ(shapeAt(border), TCursor::crSizeWE);
    EXPECT_EQ(shapeAt({form_->Width() - 2, form_->Height() - 2}), TCursor::crSizeNWSE);
}

// ShowIcon: a system menu button drawn from its own picture shows the
// window's icon; the stored skins draw theirs from the frame picture, so
// the test moves the button's image into its own picture.
TEST_F(SkinFormTest, WithShowIconTheSystemMenuButtonShowsTheWindowsIcon) {
    Start();
    form_->SetIcon(Bitmap(8, 8, clRed));
    const Rect r = ObjectRect("sysmenubutton");
    auto iconShown = [&] {
        frame_->SetShowIcon(frame_->ShowIcon());  // repaints the frame
        Process();
        return host_->PixelAt(At(r)) == clRed && host_->PixelAt(At(r.left, r.top)) == clRed;
    };
    frame_->SetShowIcon(true);
    EXPECT_FALSE(iconShown()) << "the frame picture's own button stays";
    TbsDataSkinObject* data = nullptr;
    for (const auto& o : skin_->ObjectList())
        if (o->IDName() == "sysmenubutton") data = o.get();
    ASSERT_NE(data, nullptr);
    data->SkinRectInAPicture = true;
    EXPECT_TRUE(iconShown());
    frame_->SetShowIcon(false);
    EXPECT_FALSE(iconShown());
}

TEST_F(SkinFormTest, TheShapeCutsTheCornersByTheMask) {
    Start();
    const auto& region = form_->WindowRegion();
    ASSERT_TRUE(region.has_value());
    // Skin 1's mask rounds the corners; the middle of the frame is inside.
    EXPECT_FALSE(region->Contains({0, 0}));
    EXPECT_FALSE(region->Contains({form_->Width() - 1, 0}));
    EXPECT_TRUE(region->Contains({form_->Width() / 2, 2}));
    EXPECT_TRUE(region->Contains({form_->Width() / 2, form_->Height() / 2}));
    // The cut follows the window: the same corner after a resize.
    form_->SetBounds(form_->Left(), form_->Top(), 500, 350);
    EXPECT_FALSE(form_->WindowRegion()->Contains({499, 0}));
    EXPECT_TRUE(form_->WindowRegion()->Contains({250, 2}));
    // The screen shows the desktop there.
    Process();
    EXPECT_EQ(host_->PixelAt(At(0, 0)), clBlack);
}

// A skin loaded again at the same window size is cut anew: here skin 1
// without its mask, so the corner comes back.
TEST_F(SkinFormTest, ASkinWithAnotherMaskRecutsTheSameSizedWindow) {
    Start();
    ASSERT_FALSE(form_->WindowRegion()->Contains({0, 0}));
    const Size before{form_->Width(), form_->Height()};
    std::vector<std::uint8_t> bytes;
    stored_->Unpack(bytes);
    std::optional<SkinPackage> package = ReadSkinPackage(bytes);
    ASSERT_TRUE(package);
    package->Mask = {};
    TbsCompressedStoredSkin unmasked;
    unmasked.SetCompressedData(DeflateBest(WriteSkinPackage(*package)));
    skin_->LoadFromCompressedStoredSkin(unmasked);
    Process();
    EXPECT_EQ((Size{form_->Width(), form_->Height()}), before);
    EXPECT_TRUE(form_->WindowRegion()->Contains({0, 0}));
    EXPECT_TRUE(form_->WindowRegion()->IsRect());
}

TEST_F(SkinFormTest, AnInactiveWindowDrawsItsInactiveButtonImages) {
    Start();
    const Rect close = ObjectRect("closebutton");
    const Bitmap& buttons = skin_->ActivePictureBitmaps()[2];
    app_->ActivateForm(nullptr);
    Process();
    EXPECT_FALSE(frame_->FormActive());
    EXPECT_EQ(host_->PixelAt(At(close.left + 8, close.top + 8)), buttons.GetPixel(34 + 8, 8));
}

TEST_F(SkinFormTest, WithoutASkinTheFallbackFrameIsDrawn) {
    frame_ = new TbsSkinForm(form_);
    form_->Show();
    Process();
    EXPECT_FALSE(frame_->Skinned());
    // The 3-pixel border and 19-pixel caption bar go round the 400 x 300
    // client area the form had.
    EXPECT_EQ(form_->ClientRectInWindow(), (Rect{3, 22, 403, 322}));
    EXPECT_EQ(frame_->HitTest({50, 10}), kHtCaption);
    EXPECT_EQ(frame_->HitTest({50, 100}), kHtClient);
    EXPECT_EQ(frame_->HitTest({1, 100}), kHtObject);
    EXPECT_EQ(frame_->MinimumWidth(), 120);
    EXPECT_EQ(frame_->MinimumHeight(), 25);
    // The window is a plain rectangle.
    ASSERT_TRUE(form_->WindowRegion().has_value());
    EXPECT_TRUE(form_->WindowRegion()->IsRect());
    // Then the skin arrives, and the client keeps its size.
    const Rect client = form_->ClientRect();
    frame_->SetSkinData(skin_);
    skin_->SetCompressedStoredSkin(stored_);
    Process();
    EXPECT_TRUE(frame_->Skinned());
    EXPECT_EQ(form_->ClientRect(), client);
}

TEST_F(SkinFormTest, DuringASkinChangeTheFrameForgetsItsObjects) {
    Start();
    int before = 0, after = 0;
    frame_->OnBeforeChangeSkinData = [&](TObject*) { ++before; };
    frame_->OnChangeSkinData = [&](TObject*) {
        ++after;
        EXPECT_EQ(frame_->Objects().size(), 7u);
    };
    // Loading again sends 1225, 1226 and 1227 through the window.
    skin_->LoadFromCompressedStoredSkin(*stored_);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(frame_->Skinned());
    // The skin going away leaves the fallback frame.
    delete skin_;
    skin_ = nullptr;
    EXPECT_FALSE(frame_->Skinned());
    EXPECT_TRUE(frame_->Objects().empty());
}

TEST_F(SkinFormTest, AltF4AndTheCloseButtonCloseTheWindow) {
    Start();
    int closes = 0;
    form_->OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    host_->PressKey(kVkF4, ssAlt);
    Process();
    EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace dsp::test

namespace dsp::test {
namespace {

// The fade-in when the window is shown, on the fake clock.
class SkinFormAlphaTest : public SkinFormTest {
  protected:
    void ShowWith(bool blend, bool animation, int value = 200) {
        frame_ = new TbsSkinForm(form_);
        frame_->SetAlphaBlend(blend);
        frame_->SetAlphaBlendAnimation(animation);
        frame_->SetAlphaBlendValue(value);
        frame_->SetSkinData(skin_);
        skin_->SetCompressedStoredSkin(stored_);
        form_->Show();
        Process();
    }
    int Opacity() const { return host_->Opacity(*form_); }
};

TEST_F(SkinFormAlphaTest, TheAnimationRisesByTenEveryFiveMillisecondsToTheValue) {
    host_->SetOpacitySupported(true);
    ShowWith(true, true, 200);
    EXPECT_EQ(Opacity(), 0);
    Advance(5);
    EXPECT_EQ(Opacity(), 10);
    Advance(4);
    EXPECT_EQ(Opacity(), 10);
    Advance(91);  // 100 ms in all
    EXPECT_EQ(Opacity(), 200);
    const int changes = host_->OpacityChanges();
    EXPECT_EQ(changes, 21);  // 0, then 20 steps
    Advance(100);
    EXPECT_EQ(host_->OpacityChanges(), changes) << "the timer ran on";
}

TEST_F(SkinFormAlphaTest, TheEndValueAndTheLastStepFollowTheProperties) {
    host_->SetOpacitySupported(true);
    // The animation alone ends opaque; the last step stops at 255.
    ShowWith(false, true, 100);
    Advance(125);
    EXPECT_EQ(Opacity(), 250);
    Advance(5);
    EXPECT_EQ(Opacity(), 255);
    // Hidden and shown again: the fade starts over. Without the animation
    // the value comes at once.
    form_->Hide();
    frame_->SetAlphaBlend(true);
    frame_->SetAlphaBlendAnimation(false);
    frame_->SetAlphaBlendValue(120);
    const int changes = host_->OpacityChanges();
    form_->Show();
    Process();
    EXPECT_EQ(Opacity(), 120);
    Advance(50);
    EXPECT_EQ(host_->OpacityChanges(), changes + 1);
}

TEST_F(SkinFormAlphaTest, ADisplayWithoutWindowOpacityGetsNothing) {
    ShowWith(true, true, 200);
    Advance(200);
    EXPECT_EQ(host_->OpacityChanges(), 0);
    EXPECT_EQ(Opacity(), 255);
}

}  // namespace
}  // namespace dsp::test

namespace dsp::test {
namespace {

// A caption with a strip of two frames (taken from the frame picture for the
// test): activation steps to the last frame, deactivation back to the
// caption's usual look, one frame per 25 ms.
TEST_F(SkinFormTest, ACaptionWithFramesStepsThroughThemOnActivation) {
    form_->SetBounds(100, 100, 220, 300);  // the picture's width: nothing stretched
    form_->SetText("");                    // no text over the frames
    Start();
    TbsDataSkinCaption* data = nullptr;
    for (const auto& o : skin_->ObjectList())
        if (auto* c = dynamic_cast<TbsDataSkinCaption*>(o.get())) data = c;
    ASSERT_NE(data, nullptr);
    auto* caption = dynamic_cast<TbsSkinCaptionObject*>(frame_->FindObject("caption1"));
    ASSERT_NE(caption, nullptr);
    const Rect at = caption->ObjectRect();
    const int w = at.Width(), h = at.Height();
    ASSERT_LE(2 * w, skin_->PictureBitmap().Width());  // both frames in the picture, at the caption's size
    data->FrameCount = 2;
    data->AnimateSkinRect = {0, 40, 2 * w, 40 + h};
    const Rect first{0, 40, w, 40 + h}, second{w, 40, 2 * w, 40 + h};
    auto same = [&](const Bitmap& a, const Bitmap& b) {
        return std::equal(a.Data(), a.Data() + w * h, b.Data());
    };
    auto shown = [&] {
        Bitmap out(w, h);
        Canvas(out).CopyRect({0, 0}, form_->Frame(), at);
        return out;
    };
    auto shows = [&](const Rect& cell) {
        Bitmap expected(w, h);
        Canvas(expected).CopyRect({0, 0}, skin_->PictureBitmap(), cell);
        return same(expected, shown());
    };

    app_->ActivateForm(nullptr);
    Advance(100);
    EXPECT_EQ(caption->AnimationFrame(), 0);
    const Bitmap usual = shown();
    ASSERT_FALSE(shows(first)) << "pick frames that differ from the caption";
    app_->ActivateForm(form_);
    Process();
    EXPECT_EQ(caption->AnimationFrame(), 0);
    Advance(25);
    EXPECT_EQ(caption->AnimationFrame(), 1);
    EXPECT_TRUE(shows(first));
    Advance(25);
    EXPECT_EQ(caption->AnimationFrame(), 2);
    EXPECT_TRUE(shows(second));
    Advance(100);
    EXPECT_EQ(caption->AnimationFrame(), 2);
    app_->ActivateForm(nullptr);
    Advance(50);
    EXPECT_EQ(caption->AnimationFrame(), 0);
    EXPECT_TRUE(same(shown(), usual));
    // With skin effects off there is no animation.
    skin_->SetEnableSkinEffects(false);
    app_->ActivateForm(form_);
    Advance(100);
    EXPECT_EQ(caption->AnimationFrame(), 0);
}

}  // namespace
}  // namespace dsp::test
