// TbsSkinData: the load sequence and its messages, finding data by section
// name, and what a failed or refused load leaves behind.
#include "skin/skin_data.h"

#include <gtest/gtest.h>

#include "skin/data_skin_objects.h"
#include "skin/data_skin_tracks.h"
#include "skin/skin_error.h"
#include "skin/skin_package.h"
#include "skin/skin_zlib.h"
#include "tests/skin/sample_skin.h"
#include "tests/support/test_skin.h"

namespace dsp {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Event {
    std::uint32_t message;
    bool empty;
    bool changing;
    bool operator==(const Event&) const = default;
};

// Records each message with the state the receiver sees at that moment.
class SkinDataTest : public ::testing::Test {
  protected:
    SkinDataTest() {
        data_.SetMessageSink([this](TbsSkinData& sender, std::uint32_t message) {
            EXPECT_EQ(&sender, &data_);
            events_.push_back({message, sender.Empty(), sender.Changing()});
        });
    }

    static void Store(TbsCompressedStoredSkin& skin, const Bytes& package) {
        skin.SetCompressedData(DeflateBest(package));
    }
    static Bytes TextPackage(const std::string& text) { return test::SkinPackage({}, text); }

    TbsSkinData data_;
    std::vector<Event> events_;
};

TEST_F(SkinDataTest, LoadReadsEverySectionAndAnnouncesBeforeChangeAndAfter) {
    TbsCompressedStoredSkin skin;
    Store(skin, testkit::SamplePackage(testkit::TinySkinShape()));
    EXPECT_TRUE(data_.Empty());
    data_.SetCompressedStoredSkin(&skin);

    EXPECT_EQ(events_, (std::vector<Event>{{kWmBeforeChangeSkinData, true, true},
                                           {kWmChangeSkinData, false, true},
                                           {kWmAfterChangeSkinData, false, false}}));
    EXPECT_FALSE(data_.Empty());
    EXPECT_EQ(data_.SkinName(), "Studio Night");
    EXPECT_EQ(data_.PictureName(), "main.bmp");
    EXPECT_EQ(data_.MaskName(), "mask.bmp");
    EXPECT_EQ(data_.ActivePictureNames(), (std::vector<std::string>{"pic0.bmp", "pic1.bmp"}));
    EXPECT_EQ(data_.Picture().Width(), 6);
    EXPECT_EQ(data_.Mask().BitCount(), 1);
    EXPECT_TRUE(data_.InActivePicture().Empty());
    EXPECT_EQ(data_.ActivePictures().size(), 2u);
    EXPECT_EQ(data_.FormData().MaskRectArea, (TRect{5, 9, 172, 137}));
    EXPECT_EQ(data_.SkinColors().cBtnFace, 3158064);
    EXPECT_EQ(data_.HintWindow().FontName, "Tahoma");
    EXPECT_EQ(data_.ObjectList().size(), 13u);
    EXPECT_EQ(data_.CtrlList().size(), 63u);
}

TEST_F(SkinDataTest, FindMatchesSectionNamesExactly) {
    TbsCompressedStoredSkin skin;
    Store(skin, testkit::SamplePackage(testkit::TinySkinShape()));
    data_.LoadFromCompressedStoredSkin(skin);
    int track = data_.FindControl("trackbar");
    ASSERT_GE(track, 0);
    auto* trackData = dynamic_cast<TbsDataSkinTrackBarControl*>(data_.CtrlList()[track].get());
    ASSERT_NE(trackData, nullptr);
    EXPECT_TRUE(trackData->ButtonTransparent);
    EXPECT_EQ(trackData->ButtonTransparentColor, 16711935);
    EXPECT_EQ(data_.FindControl("TrackBar"), -1);
    EXPECT_EQ(data_.FindControl(""), -1);
    int close = data_.FindObject("closebutton");
    ASSERT_GE(close, 0);
    EXPECT_NE(dynamic_cast<TbsDataSkinStdButton*>(data_.ObjectList()[close].get()), nullptr);
    EXPECT_EQ(data_.FindObject("menuitem"), -1);
    EXPECT_EQ(data_.FindObject("MENUITEM"), 0);
}

TEST_F(SkinDataTest, UnknownTypeWordsAreSkippedAndLaterEntriesLoad) {
    TbsCompressedStoredSkin skin;
    Store(skin, TextPackage("[SKINCONTROLS]\r\ncount=4\r\n0=a:trackbar\r\n1=b:TrackBar\r\n2=nocolon\r\n"
                            "3=c:bevel\r\n[c]\r\nlightcolor=255\r\n"));
    data_.LoadFromCompressedStoredSkin(skin);
    ASSERT_EQ(data_.CtrlList().size(), 2u);
    EXPECT_EQ(data_.CtrlList()[0]->IDName(), "a");
    EXPECT_EQ(data_.CtrlList()[1]->IDName(), "c");
    EXPECT_EQ(data_.FindControl("b"), -1);
}

TEST_F(SkinDataTest, LoadingTwiceReplacesTheFirstLoad) {
    TbsCompressedStoredSkin skin;
    Store(skin, testkit::SamplePackage(testkit::TinySkinShape()));
    data_.LoadFromCompressedStoredSkin(skin);
    const TbsDataSkinControl* first = data_.CtrlList()[0].get();
    std::string firstSave;
    {
        SkinIni ini;
        first->SaveToFile(ini);
        firstSave = ini.ToText();
    }
    data_.LoadFromCompressedStoredSkin(skin);
    EXPECT_EQ(data_.CtrlList().size(), 63u);
    EXPECT_EQ(data_.ObjectList().size(), 13u);
    EXPECT_EQ(data_.ActivePictures().size(), 2u);
    SkinIni ini;
    data_.CtrlList()[0]->SaveToFile(ini);
    EXPECT_EQ(ini.ToText(), firstSave);
    EXPECT_EQ(events_.size(), 6u);
}

TEST_F(SkinDataTest, EmptyStoredSkinChangesNothingAndSendsNothing) {
    TbsCompressedStoredSkin skin;
    data_.SetCompressedStoredSkin(&skin);
    EXPECT_TRUE(events_.empty());
    EXPECT_TRUE(data_.Empty());
    EXPECT_FALSE(data_.Changing());
}

TEST_F(SkinDataTest, LaterPackageVersionLeavesTheSkinEmptyWithoutChangeMessages) {
    TbsCompressedStoredSkin good;
    Store(good, testkit::SamplePackage(testkit::TinySkinShape()));
    data_.LoadFromCompressedStoredSkin(good);
    events_.clear();
    Bytes v4 = TextPackage("[VERSION]\r\n");
    v4[0] = 4;
    TbsCompressedStoredSkin later;
    Store(later, v4);
    data_.LoadFromCompressedStoredSkin(later);
    EXPECT_EQ(events_, (std::vector<Event>{{kWmBeforeChangeSkinData, true, true}}));
    EXPECT_TRUE(data_.Empty());
    EXPECT_FALSE(data_.Changing());
    EXPECT_TRUE(data_.CtrlList().empty());
    EXPECT_TRUE(data_.Picture().Empty());
}

TEST_F(SkinDataTest, AnErrorEndsTheLoadKeepingWhatWasReadAndTheFlagsSet) {
    TbsCompressedStoredSkin skin;
    Store(skin, TextPackage("[VERSION]\r\nskinname=Bad\r\n[SKINCONTROLS]\r\ncount=2\r\n0=a:bevel\r\n"
                            "1=t:trackbar\r\n[t]\r\nskinrect=1,2,3\r\n"));
    EXPECT_THROW(data_.LoadFromCompressedStoredSkin(skin), ESkinError);
    EXPECT_TRUE(data_.Empty());
    EXPECT_TRUE(data_.Changing());
    EXPECT_EQ(data_.SkinName(), "Bad");
    EXPECT_EQ(data_.FindControl("a"), 0);
    EXPECT_EQ(events_.size(), 1u);

    TbsCompressedStoredSkin corrupt;
    corrupt.SetCompressedData(Bytes{0x78, 0xDA, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_THROW(data_.LoadFromCompressedStoredSkin(corrupt), ESkinError);
    EXPECT_TRUE(data_.CtrlList().empty());
}

TEST_F(SkinDataTest, PicturesAreDecodedAtTheirStoredSizes) {
    TbsCompressedStoredSkin skin;
    Store(skin, testkit::SamplePackage(testkit::TinySkinShape()));
    data_.LoadFromCompressedStoredSkin(skin);
    // A picture asked for on its own stays where it is when the rest of the
    // list is decoded: painters keep the pointer.
    ASSERT_GE(data_.ActivePictures().size(), 2u);
    const Bitmap* last = data_.Picture(int(data_.ActivePictures().size()) - 1);
    ASSERT_EQ(data_.ActivePictureBitmaps().size(), data_.ActivePictures().size());
    EXPECT_EQ(last, &data_.ActivePictureBitmaps().back());
    EXPECT_EQ(data_.PictureBitmap().Width(), data_.Picture().Width());
    EXPECT_EQ(data_.PictureBitmap().Height(), data_.Picture().Height());
    EXPECT_FALSE(data_.MaskBitmap().Empty());
    for (std::size_t i = 0; i < data_.ActivePictures().size(); ++i) {
        EXPECT_EQ(data_.ActivePictureBitmaps()[i].Width(), data_.ActivePictures()[i].Width());
        EXPECT_EQ(data_.ActivePictureBitmaps()[i].Height(), data_.ActivePictures()[i].Height());
    }
    // The mask is 1-bit: every pixel is one of its two palette colours.
    const Bitmap& mask = data_.MaskBitmap();
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            Color c = mask.GetPixel(x, y);
            ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << x << "," << y;
        }
    }
}

// A BMP whose framing is right but whose header lies about the pixels it
// holds (here: a width its pixel bytes cannot fill) ends the load naming the
// picture; the state is that of any failed load.
TEST_F(SkinDataTest, ALyingBmpEndsTheLoadWithTheFlagsSet) {
    Bytes main = testkit::MakeBmp(4, 4, 24);
    main[18] = 200;  // width 200, pixels for 4
    Bytes list = testkit::MakeBmp(4, 4, 8);
    for (auto lie : {&main, &list}) {
        SkinPackageWriter out;
        out.Int32(3);
        out.Slot(lie == &main ? SkinPicture::FromBmp(main, "main") : SkinPicture{});
        out.Slot({});
        out.Slot({});
        if (lie == &list) {
            list[46] = 2;  // two palette colours left, but the pattern indexes more
            out.Int32(1);
            out.Bmp(SkinPicture::FromBmp(list, "list"));
        } else {
            out.Int32(0);
        }
        out.Text("[VERSION]\r\nskinname=Liar\r\n");
        TbsCompressedStoredSkin skin;
        Store(skin, out.Bytes());
        events_.clear();
        try {
            data_.LoadFromCompressedStoredSkin(skin);
            ADD_FAILURE() << "the lying picture was accepted";
        } catch (const ESkinError& error) {
            EXPECT_NE(std::string(error.what()).find(lie == &main ? "main picture" : "picture 0"),
                      std::string::npos)
                << error.what();
        }
        EXPECT_TRUE(data_.Empty());
        EXPECT_TRUE(data_.Changing());
        EXPECT_EQ(data_.SkinName(), "");  // the text comes after the pictures
        EXPECT_EQ(events_, (std::vector<Event>{{kWmBeforeChangeSkinData, true, true}}));
        // Nothing of a refused package is decoded later, when it is drawn.
        EXPECT_TRUE(data_.PictureBitmap().Empty());
        EXPECT_TRUE(data_.ActivePictureBitmaps().empty());
    }
}

// 1-bit pictures decode to 32 bits a pixel: a package of a few megabytes of
// them would need gigabytes, and is refused before any is decoded.
TEST_F(SkinDataTest, PicturesBeyondTheDecodingBudgetAreRefused) {
    SkinPicture big = SkinPicture::FromBmp(testkit::MakeBmp(16384, 1024, 1), "big");  // 64 MiB decoded
    TbsCompressedStoredSkin skin;
    Store(skin, test::SkinPackage(std::vector<SkinPicture>(5, big), "[VERSION]\r\n"));
    try {
        data_.LoadFromCompressedStoredSkin(skin);
        ADD_FAILURE() << "five 64 MiB pictures were decoded";
    } catch (const ESkinError& error) {
        EXPECT_NE(std::string(error.what()).find("320 MiB"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(data_.Empty());
    EXPECT_TRUE(data_.ActivePictureBitmaps().empty());
}

TEST_F(SkinDataTest, SkinListAndIndexRules) {
    TbsCompressedSkinList list;
    list.Add();
    Store(list.Add().StoredSkin(), TextPackage("[VERSION]\r\nskinname=Second\r\n"));
    data_.SetSkinIndex(5);  // no list: stored, nothing loads
    EXPECT_EQ(data_.SkinIndex(), 5);
    data_.SetSkinList(&list);  // index outside the list: nothing loads
    EXPECT_TRUE(events_.empty());
    data_.SetSkinIndex(1);
    EXPECT_EQ(data_.SkinName(), "Second");
    EXPECT_EQ(events_.size(), 3u);
    data_.SetSkinIndex(1);  // unchanged: nothing happens
    data_.SetSkinIndex(7);  // outside: ignored
    EXPECT_EQ(data_.SkinIndex(), 1);
    data_.SetSkinIndex(0);  // an empty stored skin: the index moves, nothing loads
    EXPECT_EQ(data_.SkinIndex(), 0);
    EXPECT_EQ(events_.size(), 3u);
    EXPECT_EQ(data_.SkinName(), "Second");
}

TEST_F(SkinDataTest, SkinnableFormAndResourceStringsAnnounceThemselves) {
    data_.SetSkinnableForm(true);
    EXPECT_TRUE(events_.empty());
    data_.SetSkinnableForm(false);
    TbsResourceStrData strings;
    data_.SetResourceStrData(&strings);
    EXPECT_EQ(events_, (std::vector<Event>{{kWmChangeFormSkinnable, true, false},
                                           {kWmChangeResStrData, true, false}}));
    EXPECT_EQ(data_.ResourceStrData(), &strings);
}

}  // namespace
}  // namespace dsp

namespace dsp {
namespace {

TEST_F(SkinDataTest, ReferencesToDestroyedComponentsAreCleared) {
    auto stored = std::make_unique<TbsCompressedStoredSkin>();
    Store(*stored, testkit::SamplePackage(testkit::TinySkinShape()));
    auto strings = std::make_unique<TbsResourceStrData>();
    auto list = std::make_unique<TbsCompressedSkinList>();
    data_.SetCompressedStoredSkin(stored.get());
    data_.SetResourceStrData(strings.get());
    data_.SetSkinList(list.get());

    stored.reset();
    strings.reset();
    list.reset();
    EXPECT_EQ(data_.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data_.ResourceStrData(), nullptr);
    EXPECT_EQ(data_.SkinList(), nullptr);
    // What was loaded stays: the pictures belong to the skin data object.
    EXPECT_FALSE(data_.Empty());
    EXPECT_FALSE(data_.CtrlList().empty());
    // Without a list any index is stored and nothing loads.
    data_.SetSkinIndex(4);
    EXPECT_EQ(data_.SkinIndex(), 4);
}

}  // namespace
}  // namespace dsp
