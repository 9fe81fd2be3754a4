// The program's default instance as start-up leaves it. The test program has
// no "locale" folder beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "i18n/catalog_error.h"
#include "i18n/gettext_instance.h"
#include "i18n/registry_texts.h"
#include "i18n/resource_strings.h"
#include "i18n/translation_runtime.h"
#include "platform/registry/registry_messages.h"
#include "platform/sys/mapped_file.h"
#include "platform/sys/process_env.h"
#include "tests/i18n/catalog_builder.h"

namespace dsp {
namespace {

class TranslationRuntime : public ::testing::Test {
  protected:
    void SetUp() override { StartTranslationRuntime(); }
    void TearDown() override { StopTranslationRuntime(); }
};

TEST_F(TranslationRuntime, StartsBesideTheExecutableAndPassesTextsUnchanged) {
    std::string exe;
    ASSERT_EQ(ExecutablePath(exe), 0);
    TGettextInstance& instance = DefaultInstance();
    EXPECT_EQ(instance.BaseDirectory(), FolderOfPath(exe) + "locale");
    EXPECT_TRUE(instance.ResourceStringsRedirected());
    for (int i = 0; i < 3; ++i) {
        for (int id = 0; id < static_cast<int>(ResString::kCount); ++id)
            EXPECT_EQ(LoadResString(static_cast<ResString>(id)), ResStringText(static_cast<ResString>(id)));
    }
    EXPECT_EQ(instance.OpenAttempts("default"), 1);
}

TEST_F(TranslationRuntime, ResourceStringsGoThroughTheCatalogsOnlyWhileRedirected) {
    if (!test::CanCompileCatalogs()) GTEST_SKIP() << "no msgfmt in this build";
    test::TempDir dir;
    test::WriteCatalog(dir / "xx_YY/LC_MESSAGES/default.mo",
                       {{"Failed to get data for '%s'", "Keine Daten für '%s'"}});
    TGettextInstance& instance = DefaultInstance();
    instance.BindTextDomain("default", dir.Path().string());
    instance.UseLanguage("xx_YY");
    EXPECT_EQ(LoadResString(ResString::kRegGetDataFailed), "Keine Daten für '%s'");
    EXPECT_EQ(LoadResString(ResString::kRegSetDataFailed), "Failed to set data for '%s'");
    instance.RedirectResourceStrings(false);
    EXPECT_EQ(LoadResString(ResString::kRegGetDataFailed), "Failed to get data for '%s'");
}

// The registry store's texts are taken through the runtime at start-up, so a
// catalog translates them like every other resource string.
TEST_F(TranslationRuntime, RegistryTextsPassThroughTheCatalogs) {
    if (!test::CanCompileCatalogs()) GTEST_SKIP() << "no msgfmt in this build";
    test::TempDir dir;
    test::WriteCatalog(dir / "xx_YY/LC_MESSAGES/cport.mo",
                       {{"Failed to set data for '%s'", "Nicht gesetzt: '%s'"}});
    TGettextInstance& instance = DefaultInstance();
    instance.AddDomainForResourceString("cport");
    instance.BindTextDomain("cport", dir.Path().string());
    instance.UseLanguage("xx_YY");
    InitRegistryMessages();
    EXPECT_EQ(FormatRegistryMessage(RegistryMessage::SetDataFailed, "Language"), "Nicht gesetzt: 'Language'");
    EXPECT_EQ(FormatRegistryMessage(RegistryMessage::GetDataFailed, "Language"),
              "Failed to get data for 'Language'");
    SetRegistryMessageText(RegistryMessage::SetDataFailed,
                           std::string(ResStringText(ResString::kRegSetDataFailed)));
}

// A damaged catalog of the serial domain is reported with the same clear
// text as a damaged default catalog; it used to be passed over in silence.
TEST_F(TranslationRuntime, EveryDomainReportsADamagedCatalogAlike) {
    test::TempDir dir;
    TGettextInstance& instance = DefaultInstance();
    instance.AddDomainForResourceString("cport");
    instance.UseLanguage("xx_YY");
    for (const std::string domain : {"default", "cport"}) {
        // Spelled as the runtime joins it (a '/' after the folder on Windows too).
        const std::string path = dir.Path().string() + "/xx_YY/LC_MESSAGES/" + domain + ".mo";
        test::WriteBytes(path, {0xde, 0x12, 0x04, 0x95, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff});
        instance.BindTextDomain(domain, dir.Path().string());
        std::string error = "no error";
        try {
            InitRegistryMessages();
        } catch (const ECatalogError& e) {
            error = e.what();
        }
        EXPECT_EQ(error, "This file is not a valid GNU gettext mo file: " + path);
        std::filesystem::remove(path);
        instance.BindTextDomain(domain, dir.Path().string());  // forget the failed attempt
    }
}

#if !defined(_WIN32)  // Windows has no FIFOs in its file system
// A FIFO where a catalog belongs is no catalog, and mapping one returns at
// once instead of waiting for a writer.
TEST_F(TranslationRuntime, AFifoInPlaceOfACatalogDoesNotBlock) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "xx_YY/LC_MESSAGES");
    const std::string path = dir / "xx_YY/LC_MESSAGES/default.mo";
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    TGettextInstance& instance = DefaultInstance();
    instance.BindTextDomain("default", dir.Path().string());
    instance.UseLanguage("xx_YY");
    EXPECT_EQ(LoadResString(ResString::kRegGetDataFailed), "Failed to get data for '%s'");
    MappedFile file;
    EXPECT_EQ(file.Map(path), EINVAL);
    EXPECT_FALSE(file.IsMapped());
}
#endif

}  // namespace
}  // namespace dsp
