// Glyphs kept between runs: a later engine draws from the file exactly what a
// fresh render draws, and a file that does not fit this run (another
// renderer, a changed face file, damage of any kind) is never used.

#include "platform/text/glyph_file.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/graphics/canvas.h"
#include "platform/text/font_engine.h"
#include "tests/support/temp_dir.h"

namespace dsp {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(GlyphFileTest, ALaterEngineDrawsFromTheFileWhatAFreshRenderDraws) {
    test::TempDir dir;
    const char* old = std::getenv("XDG_CACHE_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CACHE_HOME", dir.Path().c_str(), 1);
    // Real and imitated styles (the Chinese face has no bold or italic file).
    const auto draw = [](GlyphCacheStats& stats) {
        FontEngine engine;
        Bitmap b(400, 60, clWhite);
        Canvas c(b);
        engine.TextOut(c, TFont("Arial", 15, 0, clBlack), {0, 0}, "INPUT: AUTO 连接");
        engine.TextOut(c, TFont("Arial", -13, fsBold | fsItalic, clNavy), {0, 20}, "MUSIC VOL 音乐");
        engine.TextOut(c, TFont("Courier New", 22, fsItalic, clRed), {0, 34}, "Echo 4.5");
        stats = engine.CacheStats();
        return b;
    };
    GlyphCacheStats fresh, kept;
    const Bitmap first = draw(fresh);
    const Bitmap second = draw(kept);
    old ? setenv("XDG_CACHE_HOME", saved.c_str(), 1) : unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(fresh.fromFile, 0u);
    EXPECT_EQ(kept.fromFile, kept.misses);
    EXPECT_GT(kept.misses, 20u);
    EXPECT_EQ(first, second);
}

class StoredGlyphTest : public ::testing::Test {
  protected:
    test::TempDir dir_;
    const std::string file_ = dir_ / "glyphs";
    const std::string face_ = dir_ / "face.ttf";
    const RenderedGlyph glyph_{{0, 40, 255, 7, 128, 9}, 3, 2, -1, 9, 6};

    void SetUp() override { WriteAll(face_, "outline"); }

    // One run: what the file has for the glyph, after keeping it (when given).
    std::optional<RenderedGlyph> Run(const std::string& renderer = "r1", const RenderedGlyph* add = nullptr) {
        GlyphFile glyphs(file_, renderer);
        const GlyphFileKey key{glyphs.Face(face_, 0), 1, 13 * 64, U'A'};
        std::optional<RenderedGlyph> found = glyphs.Find(key);
        if (add) {
            glyphs.Add(key, *add);
            glyphs.Save();
        }
        return found;
    }
    void Store() { EXPECT_EQ(Run("r1", &glyph_), std::nullopt); }
};

TEST_F(StoredGlyphTest, KeptOnlyForTheSameRendererAndFaceFile) {
    Store();
    EXPECT_EQ(Run(), glyph_);
    EXPECT_EQ(Run("r2"), std::nullopt);  // another library version or render options
    std::filesystem::resize_file(face_, 3);
    EXPECT_EQ(Run(), std::nullopt);
    Store();  // written afresh with the face's new stamp
    EXPECT_EQ(Run(), glyph_);

    // A folder that cannot be made: the glyph is only not kept.
    WriteAll(dir_ / "plain", "");
    GlyphFile nowhere(dir_ / "plain/glyphs", "r1");
    const GlyphFileKey key{nowhere.Face(face_, 0), 0, 64, U'A'};
    nowhere.Add(key, glyph_);
    nowhere.Save();
    EXPECT_EQ(nowhere.Find(key), glyph_);
}

// Every truncation and every damaged byte leaves the glyph unused, and so
// does damage that comes with a matching checksum (a file written to fool
// the check): nothing is read outside the file, and whatever is found is whole.
TEST_F(StoredGlyphTest, DamageIsNeverUsed) {
    Store();
    const std::string good = ReadAll(file_);
    for (std::size_t size = 0; size < good.size(); ++size) {
        WriteAll(file_, good.substr(0, size));
        EXPECT_EQ(Run(), std::nullopt) << size;
    }
    const auto withChecksum = [](std::string bytes) {
        const std::size_t body = bytes.size() - 4;
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), uInt(body));
        for (std::size_t i = 0; i < 4; ++i, crc >>= 8) bytes[body + i] = char(crc & 0xFF);
        return bytes;
    };
    for (std::size_t at = 0; at + 4 < good.size(); ++at) {
        for (const char value : {'\x00', '\xFF'}) {
            std::string bad = good;
            if (bad[at] == value) continue;
            bad[at] = value;
            WriteAll(file_, bad);
            EXPECT_EQ(Run(), std::nullopt) << at;
            WriteAll(file_, withChecksum(bad));
            if (const std::optional<RenderedGlyph> found = Run()) {
                EXPECT_EQ(found->coverage.size(), std::size_t(found->width) * std::size_t(found->rows)) << at;
            }
        }
    }
    WriteAll(file_, good.substr(0, good.size() / 2));
    Store();  // written afresh
    EXPECT_EQ(Run(), glyph_);
}

TEST_F(StoredGlyphTest, TheFileStopsGrowingAtItsCap) {
    RenderedGlyph big;
    big.width = 2000;
    big.rows = 1000;
    big.coverage.assign(2000 * 1000, 9);
    {
        GlyphFile glyphs(file_, "r1");
        const std::uint32_t face = glyphs.Face(face_, 0);
        for (std::uint32_t cp = 1; cp <= 3; ++cp) glyphs.Add({face, 0, 64, cp}, big);
        glyphs.Save();
    }
    EXPECT_LE(std::filesystem::file_size(file_), GlyphFile::kMaxFileBytes);
    GlyphFile glyphs(file_, "r1");
    const std::uint32_t face = glyphs.Face(face_, 0);
    EXPECT_EQ(glyphs.Find({face, 0, 64, 1}), big);
    EXPECT_EQ(glyphs.Find({face, 0, 64, 3}), std::nullopt);
}

}  // namespace
}  // namespace dsp
