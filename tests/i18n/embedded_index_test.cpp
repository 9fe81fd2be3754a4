#include <gtest/gtest.h>

#include <algorithm>

#include "i18n/embedded_catalog_index.h"
#include "platform/sys/process_env.h"
#include "tests/i18n/catalog_builder.h"

namespace dsp {
namespace {

// Builds a container of `prefix` filler bytes followed by a header chain.
class Container {
  public:
    explicit Container(std::size_t prefix) : bytes_(prefix, 0xCC) {}
    std::uint64_t Header(std::uint64_t next, std::uint64_t offset, std::uint64_t size,
                         const std::string& name) {
        const std::uint64_t at = bytes_.size();
        for (std::uint64_t word : {next, offset, size})
            for (int b = 0; b < 8; ++b) bytes_.push_back(static_cast<unsigned char>(word >> (8 * b)));
        for (char c : name) bytes_.push_back(static_cast<unsigned char>(c));
        return at;
    }
    std::uint64_t End() const { return bytes_.size(); }
    void Patch(std::uint64_t at, std::uint64_t next) {
        for (int b = 0; b < 8; ++b)
            bytes_[at + static_cast<std::uint64_t>(b)] = static_cast<unsigned char>(next >> (8 * b));
    }
    void Save(const std::string& path) const { test::WriteBytes(path, bytes_); }

  private:
    std::vector<unsigned char> bytes_;
};

TEST(EmbeddedCatalogIndex, FollowsTheChainWithTrimmedCaseInsensitiveNames) {
    test::TempDir dir;
    Container file(64);
    const std::uint64_t first = file.Header(0, 0, 16, "  locale/de/LC_MESSAGES/default.mo\t");
    const std::uint64_t second = file.Header(0, 16, 32, "locale\\fr\\LC_MESSAGES\\cport.mo");
    file.Patch(first, second);
    file.Save(dir / "exe");
    const auto index = TEmbeddedCatalogIndex::Load(dir / "exe", first);
    ASSERT_EQ(index.Size(), 2u);
    const auto de = index.Find("LOCALE/DE/lc_messages/Default.MO");
    ASSERT_TRUE(de);
    EXPECT_EQ(de->offset, 0u);
    EXPECT_EQ(de->size, 16u);
    const auto fr = index.Find("locale/fr/LC_MESSAGES/cport.mo");
    ASSERT_TRUE(fr);
    EXPECT_EQ(fr->offset, 16u);
    EXPECT_FALSE(index.Find("locale/de/LC_MESSAGES/cport.mo"));
}

TEST(EmbeddedCatalogIndex, BrokenChainsEndTheScanKeepingWhatWasRead) {
    test::TempDir dir;
    Container loop(8);
    const std::uint64_t a = loop.Header(0, 0, 8, "a.mo");
    loop.Patch(a, a);  // points at itself
    loop.Save(dir / "loop");
    EXPECT_EQ(TEmbeddedCatalogIndex::Load(dir / "loop", a).Size(), 1u);

    Container past(8);
    const std::uint64_t b = past.Header(0, 0, 8, "b.mo");
    past.Patch(b, past.End() + 1000);  // next header beyond the file
    past.Save(dir / "past");
    EXPECT_EQ(TEmbeddedCatalogIndex::Load(dir / "past", b).Size(), 1u);

    Container big(8);
    const std::uint64_t c = big.Header(0, 4, 0xFFFFFFFFFFFFFFF0ull, "c.mo");  // file beyond the container
    big.Save(dir / "big");
    EXPECT_EQ(TEmbeddedCatalogIndex::Load(dir / "big", c).Size(), 0u);

    EXPECT_EQ(TEmbeddedCatalogIndex::Load(dir / "big", big.End() - 3).Size(), 0u);  // header cut short
    EXPECT_EQ(TEmbeddedCatalogIndex::Load(dir / "missing", 8).Size(), 0u);
    EXPECT_EQ(TEmbeddedCatalogIndex::Load(dir / "big", 0).Size(), 0u);  // nothing appended
}

TEST(EmbeddedCatalogIndex, ExecutableCarriesTheMarkerAndAZeroOffset) {
    std::string exe;
    ASSERT_EQ(ExecutablePath(exe), 0);
    const auto bytes = test::ReadBytes(exe);
    const std::string marker = EmbeddedCatalogMarker();
    // Built in two halves so this program holds no second copy of the text.
    EXPECT_EQ(marker, std::string("6637DB2E-62E1-4A60-") + "AC19-C23867046A89");
    int withZeroOffset = 0;
    for (auto at = bytes.begin();
         (at = std::search(at, bytes.end(), marker.begin(), marker.end())) != bytes.end(); ++at) {
        if (bytes.end() - at >= 44 && std::all_of(at + 36, at + 44, [](unsigned char b) { return b == 0; }))
            ++withZeroOffset;
    }
    EXPECT_EQ(withZeroOffset, 1);
    EXPECT_EQ(EmbeddedFirstHeaderOffset(), 0u);
}

}  // namespace
}  // namespace dsp
