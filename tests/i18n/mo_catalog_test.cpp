#include "i18n/mo_catalog.h"

#include <gtest/gtest.h>

#include <bit>

#include "tests/i18n/catalog_builder.h"

namespace dsp {
namespace {

using test::Entries;

std::optional<MoCatalog> Parse(const std::vector<unsigned char>& bytes) {
    return MoCatalog::Parse(bytes.data(), bytes.size());
}

// msgfmt adds the header entry "", so these keys are entries 1..5.
const Entries kFive = {{"a", "A"}, {"b", "B"}, {"c", "C"}, {"d", "D"}, {"e", "E"}};

TEST(MoCatalog, ProbesFollowTheHalvingStepsAndEndAfterStepZero) {
    const auto bytes = test::CompileCatalog(Entries(kFive.begin(), kFive.begin() + 4));  // N = 5
    const auto catalog = Parse(bytes);
    ASSERT_TRUE(catalog);
    ASSERT_EQ(catalog->Count(), 5u);
    const auto probes = [&](std::string_view key) {
        std::vector<std::uint32_t> seen;
        catalog->Find(key, &seen);
        return seen;
    };
    // P = 4: start at 3 ("c") with step 2.
    EXPECT_EQ(probes("c"), (std::vector<std::uint32_t>{3}));
    EXPECT_EQ(probes("d"), (std::vector<std::uint32_t>{3, 4}));  // up, clamped to N-1
    EXPECT_EQ(probes("a"), (std::vector<std::uint32_t>{3, 1}));
    EXPECT_EQ(probes(""), (std::vector<std::uint32_t>{3, 1, 0}));    // the header entry
    EXPECT_EQ(probes("bb"), (std::vector<std::uint32_t>{3, 1, 2}));  // miss after step 0
    EXPECT_EQ(probes("z"), (std::vector<std::uint32_t>{3, 4, 4}));   // clamped twice, then ends
    EXPECT_EQ(catalog->Find("bb"), MoCatalog::kNotFound);
}

TEST(MoCatalog, FindsEveryEntryAndNothingElseForManySizes) {
    for (int n = 1; n <= 40; ++n) {
        Entries entries;
        for (int i = 0; i < n; ++i)
            entries.emplace_back("k" + std::to_string(100 + 2 * i), "v" + std::to_string(i));
        const auto bytes = test::CompileCatalog(entries);
        const auto catalog = Parse(bytes);
        ASSERT_TRUE(catalog) << n;
        const std::size_t maxProbes = std::bit_width(catalog->Count());  // floor(log2 N) + 1
        for (int i = 0; i < n; ++i) {
            std::vector<std::uint32_t> probes;
            const std::string key = "k" + std::to_string(100 + 2 * i);
            const std::uint32_t index = catalog->Find(key, &probes);
            ASSERT_NE(index, MoCatalog::kNotFound) << "n=" << n << " key=" << key;
            EXPECT_EQ(catalog->Translation(index), "v" + std::to_string(i));
            EXPECT_LE(probes.size(), maxProbes);
            // Keys between, before and after the stored ones are misses.
            EXPECT_FALSE(catalog->Lookup("k" + std::to_string(101 + 2 * i)));
        }
        EXPECT_FALSE(catalog->Lookup("k0"));
        EXPECT_FALSE(catalog->Lookup("k999"));
        EXPECT_FALSE(catalog->Lookup("k10"));  // a prefix of every key sorts first
    }
}

TEST(MoCatalog, ByteSwappedCatalogReadsTheSame) {
    const auto bytes = test::CompileCatalog(kFive);
    const auto swapped = test::ByteSwapped(bytes);
    ASSERT_EQ(test::Word(swapped, 0), MoCatalog::kSwappedMagic);
    const auto plain = Parse(bytes);
    const auto other = Parse(swapped);
    ASSERT_TRUE(plain && other);
    EXPECT_FALSE(plain->ByteSwapped());
    EXPECT_TRUE(other->ByteSwapped());
    EXPECT_EQ(other->Count(), 6u);
    for (const auto& [id, str] : kFive) EXPECT_EQ(other->Lookup(id), std::optional<std::string_view>(str));
    EXPECT_FALSE(other->Lookup("f"));
}

TEST(MoCatalog, EmptyCatalogTranslatesNothing) {
    std::vector<unsigned char> bytes(28, 0);
    test::SetWord(bytes, 0, MoCatalog::kMagic);
    test::SetWord(bytes, 12, 28);
    test::SetWord(bytes, 16, 28);
    const auto catalog = Parse(bytes);
    ASSERT_TRUE(catalog);
    std::vector<std::uint32_t> probes;
    EXPECT_EQ(catalog->Find("", &probes), MoCatalog::kNotFound);
    EXPECT_TRUE(probes.empty());
}

class MalformedCatalog : public ::testing::Test {
  protected:
    std::vector<unsigned char> good_ = test::CompileCatalog(kFive);
    std::uint32_t Originals() const { return test::Word(good_, 12); }
    std::uint32_t Translations() const { return test::Word(good_, 16); }
};

TEST_F(MalformedCatalog, EveryTruncationIsRefused) {
    ASSERT_TRUE(Parse(good_));
    for (std::size_t size = 0; size < good_.size(); ++size) {
        // A copy of exactly `size` bytes, so ASan sees any read past it.
        std::vector<unsigned char> cut(good_.begin(), good_.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(Parse(cut)) << size;
    }
}

TEST_F(MalformedCatalog, BadMagicAndTablesOutsideTheFileAreRefused) {
    auto bad = good_;
    test::SetWord(bad, 0, 0x12345678);
    EXPECT_FALSE(Parse(bad));
    for (std::uint32_t huge : {0x10000000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        bad = good_;
        test::SetWord(bad, 8, huge);
        EXPECT_FALSE(Parse(bad)) << huge;
    }
    for (std::size_t field : {12u, 16u}) {
        for (std::uint32_t offset : {static_cast<std::uint32_t>(good_.size()),
                                     static_cast<std::uint32_t>(good_.size() - 4), 0xFFFFFFF8u}) {
            bad = good_;
            test::SetWord(bad, field, offset);
            EXPECT_FALSE(Parse(bad)) << field << " " << offset;
        }
    }
}

TEST_F(MalformedCatalog, StringsOutsideTheFileOrWithoutNulAreRefused) {
    const std::uint32_t size = static_cast<std::uint32_t>(good_.size());
    const std::uint32_t entry = Translations() + 8 * 3;  // length, offset of translation 3
    auto bad = good_;
    test::SetWord(bad, entry + 4, size);
    EXPECT_FALSE(Parse(bad));
    bad = good_;
    test::SetWord(bad, entry + 4, 0xFFFFFFF0u);  // offset + length wraps in 32 bits
    test::SetWord(bad, entry, 0x20);
    EXPECT_FALSE(Parse(bad));
    bad = good_;
    test::SetWord(bad, Originals() + 8 * 2, size);  // length runs past the end
    EXPECT_FALSE(Parse(bad));
    bad = good_;
    const std::uint32_t offset = test::Word(good_, entry + 4);
    bad[offset + test::Word(good_, entry)] = 'x';  // the NUL after the string is gone
    EXPECT_FALSE(Parse(bad));
    // The last string ends exactly at the end of the file: cutting one byte
    // removes its NUL and nothing else.
    bad.assign(good_.begin(), good_.end() - 1);
    EXPECT_FALSE(Parse(bad));
}

}  // namespace
}  // namespace dsp
