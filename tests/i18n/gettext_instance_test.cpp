#include "i18n/gettext_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "i18n/catalog_error.h"
#include "tests/i18n/catalog_builder.h"

namespace dsp {
namespace {

// LANG set (or, for null, removed) for this process.
void SetLang(const char* value) {
#if defined(_WIN32)
    _putenv_s("LANG", value ? value : "");
#else
    value ? ::setenv("LANG", value, 1) : ::unsetenv("LANG");
#endif
}

using test::Entries;

// An instance for a pretend program in a temporary folder, so its catalogs
// live in <folder>/locale.
class GettextInstance : public ::testing::Test {
  protected:
    void SetUp() override { Start(); }

    void Start(TEmbeddedCatalogIndex embedded = {}) {
        instance_.Setup({dir_ / "prog", "", std::move(embedded)});
        instance_.UseLanguage("de_DE");
    }
    std::string CatalogPath(const std::string& language, const std::string& domain = "default") {
        return dir_ / ("locale/" + language + "/LC_MESSAGES/" + domain + ".mo");
    }
    void Catalog(const std::string& language, const Entries& entries, const std::string& domain = "default") {
        test::WriteCatalog(CatalogPath(language, domain), entries);
    }
    std::string ErrorOf(std::string_view text) {
        try {
            instance_.Translate(text);
        } catch (const ECatalogError& error) {
            return error.what();
        }
        return "no error";
    }

    test::TempDir dir_;
    TGettextInstance instance_;
};

TEST_F(GettextInstance, SetupUsesTheProgramFolderAndDomainDefault) {
    EXPECT_EQ(instance_.BaseDirectory(), dir_ / "locale");
    EXPECT_EQ(instance_.TextDomain(), "default");
    EXPECT_EQ(instance_.ResourceStringDomains(), std::vector<std::string>{"default"});
    Catalog("de_DE", {{"Open", "Öffnen"}});
    EXPECT_EQ(instance_.Translate("Open"), "Öffnen");
    EXPECT_EQ(instance_.Translate("Close"), "Close");
    EXPECT_EQ(instance_.LookupInDomain("default", "Open"), "Öffnen");
    EXPECT_EQ(instance_.OpenAttempts("default"), 1);
}

TEST_F(GettextInstance, WithoutLocaleFolderTextsPassAndNothingIsSearchedTwice) {
    ASSERT_FALSE(std::filesystem::exists(dir_ / "locale"));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(instance_.Translate("Open"), "Open");
        EXPECT_EQ(instance_.TranslateResourceString("Registry error"), "Registry error");
        EXPECT_EQ(instance_.LookupInDomain("cport", "x\r\ny"), "x\r\ny");
    }
    EXPECT_EQ(instance_.OpenAttempts("default"), 1);
    EXPECT_EQ(instance_.OpenAttempts("cport"), 1);
    // A catalog that appears later is not seen until the language changes.
    Catalog("de_DE", {{"Open", "Öffnen"}});
    EXPECT_EQ(instance_.Translate("Open"), "Open");
    instance_.UseLanguage("de_DE");
    EXPECT_EQ(instance_.Translate("Open"), "Öffnen");
    EXPECT_EQ(instance_.OpenAttempts("default"), 2);
}

TEST_F(GettextInstance, FallsBackToTheTwoLetterLanguage) {
    Catalog("de", {{"Open", "Öffnen (de)"}});
    EXPECT_EQ(instance_.Translate("Open"), "Öffnen (de)");
    Catalog("de_DE", {{"Open", "Öffnen (de_DE)"}});
    instance_.UseLanguage("de_DE.UTF-8");
    EXPECT_EQ(instance_.Language(), "de_DE");
    EXPECT_EQ(instance_.Translate("Open"), "Öffnen (de_DE)");
}

TEST_F(GettextInstance, LangZhCnGbkSelectsZhCnThenZh) {
    const char* saved = std::getenv("LANG");
    const std::string savedLang = saved != nullptr ? saved : "";
    SetLang("zh_CN.GBK");
    instance_.Setup({dir_ / "prog", "", {}});
    EXPECT_EQ(instance_.Language(), "zh_CN");
    Catalog("zh", {{"Open", "打开 (zh)"}});
    EXPECT_EQ(instance_.Translate("Open"), "打开 (zh)");
    Catalog("zh_CN", {{"Open", "打开"}});
    instance_.UseLanguage("");  // detect again
    EXPECT_EQ(instance_.Translate("Open"), "打开");
    SetLang(saved != nullptr ? savedLang.c_str() : nullptr);
}

TEST_F(GettextInstance, CarriageReturnsAreLeftOutOfTheLookupAndPutBack) {
    Catalog("de_DE", {{"Line one\nLine two", "Zeile eins\nZeile zwei"}});
    EXPECT_EQ(instance_.Translate("Line one\r\nLine two"), "Zeile eins\r\nZeile zwei");
    EXPECT_EQ(instance_.TranslateResourceString("Line one\r\nLine two"), "Zeile eins\r\nZeile zwei");
    // A text written with bare line feeds keeps them, translated or not.
    EXPECT_EQ(instance_.Translate("Line one\nLine two"), "Zeile eins\nZeile zwei");
    EXPECT_EQ(instance_.TranslateResourceString("Other\nText"), "Other\nText");
}

TEST_F(GettextInstance, ResourceStringsSearchDefaultThenAddedDomains) {
    Catalog("de_DE", {{"Both", "Both (default)"}, {"Registry error", "Registrierungsfehler"}});
    Catalog("de_DE", {{"Both", "Both (cport)"}, {"Only cport", "Nur cport"}}, "cport");
    EXPECT_EQ(instance_.TranslateResourceString("Only cport"), "Only cport");
    instance_.AddDomainForResourceString("cport");
    EXPECT_EQ(instance_.ResourceStringDomains(), (std::vector<std::string>{"default", "cport"}));
    EXPECT_EQ(instance_.TranslateResourceString("Both"), "Both (default)");
    EXPECT_EQ(instance_.TranslateResourceString("Only cport"), "Nur cport");
    EXPECT_EQ(instance_.TranslateResourceString("Registry error"), "Registrierungsfehler");
    EXPECT_EQ(instance_.TranslateResourceString("Neither"), "Neither");
    // The translate operation looks only in the current domain.
    EXPECT_EQ(instance_.Translate("Only cport"), "Only cport");
    instance_.SetTextDomain("cport");
    EXPECT_EQ(instance_.Translate("Only cport"), "Nur cport");
}

TEST_F(GettextInstance, DisabledEmptyAndHeaderTextsPassUnchanged) {
    Catalog("de_DE", {{"Open", "Öffnen"}});
    EXPECT_EQ(instance_.Translate(""), "");  // not the catalog's header entry
    EXPECT_EQ(instance_.TranslateResourceString(""), "");
    instance_.SetEnabled(false);
    EXPECT_EQ(instance_.Translate("Open"), "Open");
    EXPECT_EQ(instance_.TranslateResourceString("Open"), "Open");
}

TEST_F(GettextInstance, TranslationThatIsNotUtf8IsAnError) {
    auto bytes = test::CompileCatalog({{"Open", "XY"}});
    const std::uint32_t entry = test::Word(bytes, 16) + 8;  // translation of entry 1
    const std::uint32_t at = test::Word(bytes, entry + 4);
    bytes[at] = 0xB4;  // a lone GBK byte
    bytes[at + 1] = 0xF2;
    test::WriteBytes(CatalogPath("de_DE"), bytes);
    EXPECT_EQ(ErrorOf("Open"),
              "Error: Could not translate Open. Probably because the mo file doesn't contain utf-8 "
              "encoded translations.");
    EXPECT_EQ(instance_.Translate("Close"), "Close");
}

TEST_F(GettextInstance, MalformedCatalogFilesGiveTheClearError) {
    const auto good = test::CompileCatalog({{"Open", "Öffnen"}, {"Close", "Schließen"}});
    const std::string path = CatalogPath("de_DE");
    const std::string expected = "This file is not a valid GNU gettext mo file: " + path;
    std::vector<std::vector<unsigned char>> bad(5, good);
    bad[0].resize(12);                                                   // truncated header
    bad[1].resize(good.size() / 2);                                      // truncated strings
    test::SetWord(bad[2], 8, 0x7FFFFFFF);                                // huge N
    test::SetWord(bad[3], 16, static_cast<std::uint32_t>(good.size()));  // table past the end
    bad[4].clear();                                                      // empty file
    for (const auto& bytes : bad) {
        test::WriteBytes(path, bytes);
        instance_.UseLanguage("de_DE");
        EXPECT_EQ(ErrorOf("Open"), expected);
        EXPECT_EQ(ErrorOf("Open"), expected);  // tried again, same answer
    }
    test::WriteBytes(path, good);
    instance_.UseLanguage("de_DE");
    EXPECT_EQ(instance_.Translate("Open"), "Öffnen");
}

TEST_F(GettextInstance, CatalogAppendedToTheExecutableIsFound) {
    // A pretend executable: some code bytes, the catalog, one index header.
    const auto catalog = test::CompileCatalog({{"Open", "Öffnen (embedded)"}});
    std::vector<unsigned char> exe(100, 0x90);
    const std::uint64_t catalogAt = exe.size();
    for (unsigned char byte : catalog) exe.push_back(byte);
    const std::uint64_t headerAt = exe.size();
    for (std::uint64_t word : {std::uint64_t{0}, catalogAt, std::uint64_t{catalog.size()}})
        for (int b = 0; b < 8; ++b) exe.push_back(static_cast<unsigned char>(word >> (8 * b)));
    const std::string name = " LOCALE/de_DE/LC_MESSAGES/Default.mo ";
    for (char c : name) exe.push_back(static_cast<unsigned char>(c));
    test::WriteBytes(dir_ / "prog", exe);

    auto index = TEmbeddedCatalogIndex::Load(dir_ / "prog", headerAt);
    ASSERT_EQ(index.Size(), 1u);
    Start(std::move(index));
    EXPECT_EQ(instance_.Translate("Open"), "Öffnen (embedded)");
}

TEST_F(GettextInstance, LookupsStaySafeWhileTheLanguageChanges) {
    Catalog("de_DE", {{"Open", "Öffnen"}});
    Catalog("fr_FR", {{"Open", "Ouvrir"}});
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            while (!stop.load()) {
                const std::string text = instance_.Translate("Open");
                if (text != "Öffnen" && text != "Ouvrir" && text != "Open") ++wrong;
            }
        });
    }
    for (int i = 0; i < 300; ++i) instance_.UseLanguage(i % 2 == 0 ? "fr_FR" : "de_DE");
    stop.store(true);
    for (auto& reader : readers) reader.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace dsp
