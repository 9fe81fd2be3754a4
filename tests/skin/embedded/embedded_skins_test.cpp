// The three skins built into the program: each loads and has every section
// the window draws from, and loading tells the windows in order, the owner
// window first.
#include "skin/embedded/embedded_skins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/framework/application.h"
#include "platform/framework/fake_time.h"
#include "platform/framework/form.h"
#include "platform/framework/headless_host.h"
#include "skin/skin_data.h"

namespace dsp {
namespace {

// The control sections the window's controls name.
const char* const kWindowSections[] = {
    "button",   "trackbar",       "htrackbar", "slider",      "edit",       "spinedit",
    "combobox", "statuscombobox", "listbox",   "vscrollbar",  "hscrollbar", "bothhscrollbar",
    "panel",    "groupbox",       "statusbar", "statuspanel", "stdlabel",   "bevel",
};

class EmbeddedSkinTest : public ::testing::TestWithParam<int> {};

TEST_P(EmbeddedSkinTest, LoadsWithEveryWindowSectionAndItsPictures) {
    TbsCompressedStoredSkin stored;
    LoadEmbeddedSkin(GetParam(), stored);
    ASSERT_FALSE(stored.IsEmpty());
    TbsSkinData data;
    data.LoadFromCompressedStoredSkin(stored);
    EXPECT_FALSE(data.Empty());
    EXPECT_FALSE(data.Changing());
    for (const char* section : kWindowSections) {
        int index = data.FindControl(section);
        ASSERT_GE(index, 0) << "skin " << GetParam() << " lacks " << section;
        const TbsDataSkinControl& control = *data.CtrlList()[static_cast<std::size_t>(index)];
        EXPECT_EQ(control.IDName(), section);
        // Whatever picture a section draws from must exist in the skin.
        EXPECT_LT(control.PictureIndex, static_cast<int>(data.ActivePictureBitmaps().size())) << section;
    }
    EXPECT_FALSE(data.PictureBitmap().Empty());
    EXPECT_EQ(data.ActivePictureBitmaps().size(), data.ActivePictureNames().size());
}

INSTANTIATE_TEST_SUITE_P(OurSkins, EmbeddedSkinTest, ::testing::Range(1, kEmbeddedSkinCount + 1));

TEST(EmbeddedSkins, NumbersOutsideTheSetGiveAnEmptyStoredSkin) {
    TbsCompressedStoredSkin stored;
    LoadEmbeddedSkin(0, stored);
    EXPECT_TRUE(stored.IsEmpty());
    LoadEmbeddedSkin(kEmbeddedSkinCount + 1, stored);
    EXPECT_TRUE(stored.IsEmpty());
    // Distinct skins, not one stream three times.
    EXPECT_FALSE(std::ranges::equal(EmbeddedSkinStream(1), EmbeddedSkinStream(2)));
}

// A form that records the skin messages it receives.
class RecordingForm : public TForm {
  public:
    RecordingForm(TComponent* owner, std::string name, std::vector<std::string>* log)
        : TForm(owner), name_(std::move(name)), log_(log) {}
    const TbsSkinData* expectedSender = nullptr;

  protected:
    void WndProc(TMessage& m) override {
        if (m.Msg >= kWmBeforeChangeSkinData && m.Msg <= kWmChangeFormSkinnable) {
            auto* sender = reinterpret_cast<const TbsSkinData*>(m.WParam);
            log_->push_back(name_ + " " + std::to_string(m.Msg) +
                            (sender == expectedSender ? "" : " wrong sender") +
                            (m.LParam == kSkinMessageParam ? "" : " wrong param") +
                            (sender && m.Msg == kWmChangeSkinData && (sender->Empty() || !sender->Changing())
                                 ? " not in place"
                                 : ""));
            return;
        }
        TForm::WndProc(m);
    }

  private:
    std::string name_;
    std::vector<std::string>* log_;
};

TEST(SkinBroadcast, LoadTellsTheOwnerWindowFirstThenTheOthersInOrder) {
    TApplication app(std::make_unique<HeadlessHost>(), std::make_unique<FakeClock>(1000));
    std::vector<std::string> log;
    auto* first = new RecordingForm(&app, "first", &log);
    auto* owner = new RecordingForm(&app, "owner", &log);
    auto* data = new TbsSkinData(owner);
    first->expectedSender = owner->expectedSender = data;

    TbsCompressedStoredSkin stored;
    LoadEmbeddedSkin(2, stored);
    data->LoadFromCompressedStoredSkin(stored);
    EXPECT_EQ(log, (std::vector<std::string>{"owner 1225", "first 1225", "owner 1226", "first 1226",
                                             "owner 1227", "first 1227"}));

    log.clear();
    data->SetSkinnableForm(false);
    data->SetResourceStrData(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"owner 1294", "first 1294", "owner 1274", "first 1274"}));
}

TEST(SkinBroadcast, WithoutAnOwnerWindowEveryFormHearsInCreationOrder) {
    TApplication app(std::make_unique<HeadlessHost>(), std::make_unique<FakeClock>(1000));
    std::vector<std::string> log;
    auto* a = new RecordingForm(&app, "a", &log);
    auto* b = new RecordingForm(&app, "b", &log);
    TbsSkinData data;
    a->expectedSender = b->expectedSender = &data;
    data.SetSkinnableForm(false);
    EXPECT_EQ(log, (std::vector<std::string>{"a 1294", "b 1294"}));
}

}  // namespace
}  // namespace dsp
