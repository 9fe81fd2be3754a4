// The program's default instance as start-up leaves it. The test program has
// no "locale" folder beside it.
#include <gtest/gtest.h>

#include "i18n/gettext_instance.h"
#include "i18n/resource_strings.h"
#include "i18n/translation_runtime.h"
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
    EXPECT_EQ(instance.BaseDirectory(), exe.substr(0, exe.rfind('/') + 1) + "locale");
    EXPECT_TRUE(instance.ResourceStringsRedirected());
    for (int i = 0; i < 3; ++i) {
        for (int id = 0; id < static_cast<int>(ResString::kCount); ++id)
            EXPECT_EQ(LoadResString(static_cast<ResString>(id)), ResStringText(static_cast<ResString>(id)));
    }
    EXPECT_EQ(instance.OpenAttempts("default"), 1);
}

TEST_F(TranslationRuntime, ResourceStringsGoThroughTheCatalogsOnlyWhileRedirected) {
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

}  // namespace
}  // namespace dsp
