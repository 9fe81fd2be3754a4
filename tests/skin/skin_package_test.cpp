// The stored skin container: building from a skin folder, the package form,
// the compressed skin file form, skin lists, and hostile input.
#include "skin/skin_package.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "skin/compressed_skin_list.h"
#include "skin/compressed_stored_skin.h"
#include "skin/skin_error.h"
#include "skin/skin_zlib.h"
#include "tests/skin/sample_skin.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path OutDir(const std::string& name) {
    fs::path dir = test::TestOutputDir() / ("pkg_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

Bytes Vec(std::span<const std::uint8_t> bytes) { return Bytes(bytes.begin(), bytes.end()); }

Bytes ReadFile(const fs::path& path) { return ReadSkinFile(path.string(), 1u << 26); }

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

SkinPicture Bmp(int w, int h, int bits, int seed = 0) {
    return SkinPicture::FromBmp(testkit::MakeBmp(w, h, bits, seed), "test");
}

TEST(StoredSkinBuild, RoundTripKeepsPicturesAndTextAndLeavesInactiveSlotEmpty) {
    fs::path ini = testkit::WriteSampleSkinFolder(OutDir("roundtrip"), testkit::TinySkinShape());
    TbsCompressedStoredSkin skin;
    EXPECT_TRUE(skin.IsEmpty());
    skin.BuildFromSkinIni(ini.string());
    ASSERT_FALSE(skin.IsEmpty());
    EXPECT_EQ(skin.CompressedData()[0], 0x78);
    EXPECT_EQ(skin.CompressedData()[1], 0xDA);

    Bytes unpacked;
    skin.Unpack(unpacked);
    // Version 3, main picture flag 0, and the inactive slot's flag 1 right behind the main picture.
    ASSERT_GE(unpacked.size(), 6u);
    EXPECT_EQ(unpacked[0], 3);
    EXPECT_EQ(unpacked[4], 0);
    std::optional<SkinPackage> package = ReadSkinPackage(unpacked);
    ASSERT_TRUE(package.has_value());
    EXPECT_EQ(unpacked[5 + package->Picture.Bytes().size()], 1);
    EXPECT_EQ(Vec(package->Picture.Bytes()), ReadFile(ini.parent_path() / "main.bmp"));
    EXPECT_TRUE(package->InactivePicture.Empty());
    EXPECT_EQ(Vec(package->Mask.Bytes()), ReadFile(ini.parent_path() / "mask.bmp"));
    ASSERT_EQ(package->Pictures.size(), 2u);
    EXPECT_EQ(Vec(package->Pictures[1].Bytes()), ReadFile(ini.parent_path() / "pic1.bmp"));
    EXPECT_EQ(package->Pictures[1].BitCount(), 8);
    Bytes text = ReadFile(ini);
    EXPECT_EQ(package->Text, std::string(text.begin(), text.end()));
    EXPECT_EQ(package->Text.rfind("[VERSION]", 0), 0u);
}

TEST(StoredSkinBuild, TextLinesEndInCrLfWhateverTheFileUsed) {
    fs::path dir = OutDir("lf");
    WriteFile(dir / "main.bmp", testkit::MakeBmp(2, 2, 24));
    std::string text =
        "[VERSION]\nskinname=x\n[PICTURES]\npicture=main.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]";
    WriteFile(dir / "skin.ini", Bytes(text.begin(), text.end()));
    TbsCompressedStoredSkin skin;
    skin.BuildFromSkinIni((dir / "skin.ini").string());
    Bytes unpacked;
    skin.Unpack(unpacked);
    auto package = ReadSkinPackage(unpacked);
    ASSERT_TRUE(package.has_value());
    EXPECT_EQ(package->Text,
              "[VERSION]\r\nskinname=x\r\n[PICTURES]\r\npicture=main.bmp\r\n[FORMINFO]\r\n"
              "[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");
    EXPECT_TRUE(package->Mask.Empty());
    EXPECT_TRUE(package->Pictures.empty());
}

TEST(StoredSkinBuild, MissingSectionOrPictureLeavesTheStreamAsItWas) {
    fs::path dir = OutDir("missing");
    fs::path ini = testkit::WriteSampleSkinFolder(dir, testkit::TinySkinShape());
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(Bytes{1, 2, 3});
    std::string noControls = "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n";
    WriteFile(dir / "partial.ini", Bytes(noControls.begin(), noControls.end()));
    skin.BuildFromSkinIni((dir / "partial.ini").string());
    EXPECT_EQ(skin.CompressedData(), (Bytes{1, 2, 3}));

    fs::remove(dir / "pic1.bmp");
    EXPECT_THROW(skin.BuildFromSkinIni(ini.string()), ESkinError);
    EXPECT_EQ(skin.CompressedData(), (Bytes{1, 2, 3}));
    EXPECT_THROW(skin.BuildFromSkinIni((dir / "absent.ini").string()), ESkinError);
}

TEST(StoredSkinBuild, ABmpWithAWrongLengthFieldIsStoredWithItsRealLength) {
    fs::path dir = OutDir("bfsize");
    fs::path ini = testkit::WriteSampleSkinFolder(dir, testkit::TinySkinShape());
    Bytes main = ReadFile(dir / "main.bmp");
    main[2] = main[3] = main[4] = main[5] = 0;
    WriteFile(dir / "main.bmp", main);
    TbsCompressedStoredSkin skin;
    skin.BuildFromSkinIni(ini.string());
    Bytes unpacked;
    skin.Unpack(unpacked);
    auto package = ReadSkinPackage(unpacked);
    ASSERT_TRUE(package.has_value());
    EXPECT_EQ(package->Picture.Bytes().size(), main.size());
    EXPECT_EQ(package->Pictures.size(), 2u);
}

Bytes Package(std::int32_t version, const std::vector<SkinPicture>& slots,
              const std::vector<SkinPicture>& list, const std::string& text) {
    SkinPackageWriter out;
    out.Int32(version);
    for (const SkinPicture& slot : slots) out.Slot(slot);
    out.Int32(static_cast<std::int32_t>(list.size()));
    for (const SkinPicture& picture : list) out.Bmp(picture);
    out.Text(text);
    return out.Bytes();
}

TEST(SkinPackageReader, VersionTwoReadsTwoExtraSlotsOthersNone) {
    SkinPicture a = Bmp(3, 3, 24, 1), b = Bmp(2, 2, 8, 2), m = Bmp(3, 3, 1), x = Bmp(1, 1, 24, 9);
    auto v2 = ReadSkinPackage(Package(2, {a, {}, m, x, {}}, {b}, "[VERSION]\r\n"));
    ASSERT_TRUE(v2.has_value());
    EXPECT_EQ(Vec(v2->Mask.Bytes()), Vec(m.Bytes()));
    ASSERT_EQ(v2->Pictures.size(), 1u);
    EXPECT_EQ(Vec(v2->Pictures[0].Bytes()), Vec(b.Bytes()));
    EXPECT_EQ(v2->Text, "[VERSION]\r\n");
    for (int version : {0, 1, 3, -7}) {
        auto package = ReadSkinPackage(Package(version, {a, {}, m}, {b, a}, "t"));
        ASSERT_TRUE(package.has_value()) << version;
        EXPECT_EQ(package->Pictures.size(), 2u);
        EXPECT_EQ(package->Text, "t");
    }
    EXPECT_FALSE(ReadSkinPackage(Package(4, {a, {}, m}, {}, "t")).has_value());
}

TEST(SkinPackageReader, CountZeroGoesStraightToTheTextAndAnyNonZeroFlagIsEmpty) {
    Bytes bytes = Package(3, {{}, {}, {}}, {}, "[VERSION]");
    bytes[4] = 0x7F;  // any non-zero flag means empty
    auto package = ReadSkinPackage(bytes);
    ASSERT_TRUE(package.has_value());
    EXPECT_TRUE(package->Picture.Empty());
    EXPECT_TRUE(package->Pictures.empty());
    EXPECT_EQ(package->Text, "[VERSION]");
}

TEST(SkinPackageReader, EveryTruncationIsAClearErrorNeverACrash) {
    Bytes full = Package(3, {Bmp(3, 2, 24), {}, Bmp(3, 2, 1)}, {Bmp(2, 2, 8)}, "");
    ASSERT_TRUE(ReadSkinPackage(full).has_value());
    for (std::size_t length = 0; length < full.size(); ++length) {
        Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(ReadSkinPackage(cut), ESkinError) << "length " << length;
    }
}

TEST(SkinPackageReader, LyingLengthsAndCountsAreRefused) {
    SkinPicture pic = Bmp(3, 2, 24);
    Bytes bigBmp = Package(3, {pic, {}, {}}, {}, "");
    bigBmp[5 + 2] = 0xFF;  // the main picture's total length, low bytes
    bigBmp[5 + 4] = 0x7F;
    EXPECT_THROW(ReadSkinPackage(bigBmp), ESkinError);

    Bytes notBmp = Package(3, {pic, {}, {}}, {}, "");
    notBmp[5] = 'X';
    EXPECT_THROW(ReadSkinPackage(notBmp), ESkinError);

    Bytes badOffset = Package(3, {pic, {}, {}}, {}, "");
    badOffset[5 + 10] = 0xF0;  // pixel offset beyond the file
    EXPECT_THROW(ReadSkinPackage(badOffset), ESkinError);

    for (std::int32_t count : {-1, 1000000, 0x7FFFFFFF}) {
        SkinPackageWriter out;
        out.Int32(3);
        out.Slot({});
        out.Slot({});
        out.Slot({});
        out.Int32(count);
        out.Text(std::string(60, 'x'));
        EXPECT_THROW(ReadSkinPackage(out.Bytes()), ESkinError) << count;
    }
}

TEST(CompressedSkinFile, SaveAndLoadStreamRoundTripAndVersionFourLeavesItEmpty) {
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(DeflateBest(testkit::SamplePackage(testkit::TinySkinShape())));
    Bytes file;
    skin.SaveToStream(file);
    EXPECT_EQ(file[0], 3);
    EXPECT_EQ(file.size(), skin.CompressedData().size() + 8);

    TbsCompressedStoredSkin copy;
    copy.LoadFromStream(file);
    EXPECT_EQ(copy.CompressedData(), skin.CompressedData());

    fs::path path = OutDir("file") / "skin.skn";
    WriteFile(path, file);
    TbsCompressedStoredSkin fromFile;
    fromFile.LoadCompressedFile(path.string());
    EXPECT_EQ(fromFile.CompressedData(), skin.CompressedData());

    Bytes v4 = file;
    v4[0] = 4;
    copy.LoadFromStream(v4);
    EXPECT_TRUE(copy.IsEmpty());

    Bytes lying = file;
    lying[4] = 0xFF;
    lying[5] = 0xFF;
    lying[6] = 0xFF;
    EXPECT_THROW(copy.LoadFromStream(lying), ESkinError);
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_THROW(copy.LoadFromStream(Bytes{3, 0}), ESkinError);
}

TEST(CompressedSkinStream, CorruptTruncatedAndBombStreamsAreRefused) {
    Bytes package = testkit::SamplePackage(testkit::TinySkinShape());
    Bytes stream = DeflateBest(package);
    Bytes out;
    InflateSkinStream(stream, out);
    EXPECT_EQ(out, package);

    Bytes corrupt = stream;
    corrupt[corrupt.size() / 2] ^= 0x55;
    corrupt[corrupt.size() / 2 + 1] ^= 0xAA;
    EXPECT_THROW(InflateSkinStream(corrupt, out), ESkinError);
    EXPECT_TRUE(out.empty());

    Bytes truncated(stream.begin(), stream.end() - 10);
    EXPECT_THROW(InflateSkinStream(truncated, out), ESkinError);
    EXPECT_THROW(InflateSkinStream(Bytes{0x78, 0xDA}, out), ESkinError);

    // 8 MiB of zeros deflate to about 8 KB: a ratio of about 1000:1, above
    // the 4 MiB floor, so the default limits refuse it.
    Bytes dense = DeflateBest(Bytes(8u << 20, 0));
    try {
        InflateSkinStream(dense, out);
        ADD_FAILURE() << "a 1000:1 stream was accepted";
    } catch (const ESkinError& e) {
        EXPECT_NE(std::string(e.what()).find("refused"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(out.empty());
    // Below the floor the same kind of data is fine.
    InflateSkinStream(DeflateBest(Bytes(1u << 20, 0)), out);
    EXPECT_EQ(out.size(), 1u << 20);
    // The absolute cap holds whatever the ratio (shown with a smaller cap).
    InflateLimits tight{.maxOutput = 1u << 20, .maxRatio = 100000, .ratioFloor = 0};
    EXPECT_THROW(InflateSkinStream(DeflateBest(Bytes((1u << 20) + 1, 7)), out, tight), ESkinError);
    InflateSkinStream(DeflateBest(Bytes(1u << 20, 7)), out, tight);
    EXPECT_EQ(out.size(), 1u << 20);
}

// Only the stream built into the program goes unsummed: a wrong Adler-32
// trailer is refused from anywhere else, and a missing one from anywhere.
TEST(CompressedSkinStream, OnlyAProgramStreamSkipsTheChecksumAndNoneMayLoseItsTrailer) {
    Bytes package = testkit::SamplePackage(testkit::TinySkinShape());
    Bytes wrongSum = DeflateBest(package);
    wrongSum.back() ^= 0x01;
    TbsCompressedStoredSkin skin;
    Bytes out;
    skin.SetCompressedData(wrongSum);
    EXPECT_THROW(skin.Unpack(out), ESkinError);
    skin.SetCompressedData(wrongSum, TbsCompressedStoredSkin::Origin::Program);
    skin.Unpack(out);
    EXPECT_EQ(out, package);

    Bytes noTrailer(wrongSum.begin(), wrongSum.end() - 4);
    EXPECT_THROW(InflateSkinStream(noTrailer, out, {}, ZlibCheck::Skip), ESkinError);
    // Loading a stream from outside forgets that the last one was the program's.
    Bytes file;
    skin.SetCompressedData(wrongSum, TbsCompressedStoredSkin::Origin::Program);
    skin.SaveToStream(file);
    skin.LoadFromStream(file);
    EXPECT_THROW(skin.Unpack(out), ESkinError);
}

TEST(CompressedSkinStream, DefaultCapsAre64MiBAndARatioAboveAFloor) {
    InflateLimits limits;
    EXPECT_EQ(limits.OutputCap(100), 4u << 20);
    EXPECT_EQ(limits.OutputCap(48695), 48695u * 256);
    EXPECT_EQ(limits.OutputCap(1u << 20), 64u << 20);
    EXPECT_EQ(limits.OutputCap(SIZE_MAX / 2), 64u << 20);
}

TEST(CompressedSkinList, ItemsAreNamedByIndexAndCarryTheirSkin) {
    TbsCompressedSkinList list;
    TbsSkinListItem& first = list.Add();
    TbsSkinListItem& second = list.Add();
    EXPECT_EQ(first.Name(), "bsSkin0");
    EXPECT_EQ(second.DisplayName(), "bsSkin1");
    first.StoredSkin().SetCompressedData(Bytes{0x78, 0xDA, 1, 2});
    Bytes skinProperty;
    first.WriteSkin(skinProperty);
    second.ReadSkin(skinProperty);
    EXPECT_EQ(second.StoredSkin().CompressedData(), (Bytes{0x78, 0xDA, 1, 2}));
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Item(0).Name(), "bsSkin1");
}

}  // namespace
}  // namespace dsp
