// The error report's message box: where it stands, and that the window it
// belongs to is painted when it comes up.

#include <stdexcept>

#include "platform/framework/message_box_look.h"
#include "tests/support/app_fixture.h"

namespace dsp::test {
namespace {

TEST(MessageBoxPlacement, CentredOnItsWindowAndKeptOnTheWorkArea) {
    const Rect screen{0, 0, 1280, 1024};
    EXPECT_EQ(CentredBox({300, 120}, {100, 100, 700, 500}, screen), Rect::FromOriginSize(250, 240, 300, 120));
    // A window hanging off the bottom-right corner: the box stays in sight.
    EXPECT_EQ(CentredBox({300, 120}, {1100, 950, 1400, 1100}, screen),
              Rect::FromOriginSize(980, 904, 300, 120));
    EXPECT_EQ(CentredBox({300, 120}, {-400, -300, 100, 100}, screen), Rect::FromOriginSize(0, 0, 300, 120));
    // No window: the middle of the work area, panels left out.
    EXPECT_EQ(CentredBox({300, 120}, {}, {0, 40, 1280, 1024}), Rect::FromOriginSize(490, 472, 300, 120));
    // Larger than the work area: its top-left corner stays on it.
    EXPECT_EQ(CentredBox({400, 300}, {0, 0, 100, 100}, {0, 0, 300, 200}),
              Rect::FromOriginSize(0, 0, 400, 300));
}

TEST(MessageBoxPlacement, StaysOnTheDisplayOfItsWindow) {
    const std::vector<MonitorInfo> displays = {{{0, 0, 1280, 1024}, {0, 0, 1280, 994}},
                                               {{1280, 0, 3200, 1080}, {1280, 30, 3200, 1080}}};
    EXPECT_EQ(WorkAreaAround({1500, 100, 2100, 500}, displays), (Rect{1280, 30, 3200, 1080}));
    EXPECT_EQ(WorkAreaAround({100, 100, 700, 500}, displays), (Rect{0, 0, 1280, 994}));
    EXPECT_EQ(WorkAreaAround({}, displays), (Rect{0, 0, 1280, 994}));
    // A window straddling both belongs where its middle is.
    EXPECT_EQ(WorkAreaAround({1000, 100, 1800, 500}, displays), (Rect{1280, 30, 3200, 1080}));
}

class MessageBoxTest : public AppTest {};

Point Centre(const Rect& r) { return {r.left + r.Width() / 2, r.top + r.Height() / 2}; }

TEST_F(MessageBoxTest, AnErrorWhileAWindowOpensIsCentredOnItOverItsPaintedFace) {
    TForm* form = NewForm(Rect::FromOriginSize(420, 130, 600, 400));
    form->SetColor(clYellow);
    // As the window's first activation reports a failure to the general error report.
    form->OnActivate = [this](TObject*) {
        app_->HandleException(std::runtime_error("Invalid data type for 'Language'"));
    };
    form->Show();
    Process();
    ASSERT_EQ(host_->MessageBoxes().size(), 1u);
    const Rect box = host_->MessageBoxes()[0].bounds;
    EXPECT_FALSE(box.IsEmpty());
    EXPECT_LE(std::abs(Centre(box).x - Centre(form->BoundsRect()).x), 1);
    EXPECT_LE(std::abs(Centre(box).y - Centre(form->BoundsRect()).y), 1);

    const Bitmap& seen = host_->LastMessageBoxScreen();
    EXPECT_EQ(seen.GetPixel(form->Left() + 5, form->Top() + 5),
              host_->PixelAt({form->Left() + 5, form->Top() + 5}));
    EXPECT_NE(seen.GetPixel(form->Left() + 5, form->Top() + 5), seen.GetPixel(5, 5));  // not the bare desktop
    // The box itself is drawn over the window: its caption strip differs from the face.
    EXPECT_NE(seen.GetPixel(box.left + 4, box.top + 4), seen.GetPixel(form->Left() + 5, form->Top() + 5));
}

TEST_F(MessageBoxTest, WithoutAWindowTheBoxStandsInTheMiddleOfTheWorkArea) {
    app_->MessageBox("Line error", "dsp-panel");
    ASSERT_EQ(host_->MessageBoxes().size(), 1u);
    const Rect box = host_->MessageBoxes()[0].bounds;
    EXPECT_LE(std::abs(Centre(box).x - Centre(app_->WorkArea()).x), 1);
    EXPECT_LE(std::abs(Centre(box).y - Centre(app_->WorkArea()).y), 1);
}

}  // namespace
}  // namespace dsp::test
