// The serial messages after the start-up step, through the program's default
// instance pointed at a temporary program folder.
#include "serial/ecomport_messages.h"

#include <gtest/gtest.h>

#include "i18n/gettext_instance.h"
#include "serial/ecomport.h"
#include "tests/i18n/catalog_builder.h"

namespace dsp {
namespace {

class ComPortMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        instance_.Setup({dir_ / "prog", "", {}});
        instance_.UseLanguage("zh_CN");
        instance_.RedirectResourceStrings(true);
    }
    void TearDown() override {
        instance_.RedirectResourceStrings(false);
        instance_.Setup({});
        for (int n = 1; n <= kComPortMessageCount; ++n)
            SetComPortMessage(n, std::string(ComPortEnglishMessage(n)));
    }
    void Catalog(const std::string& domain, const test::Entries& entries) {
        test::WriteCatalog(dir_ / ("locale/zh_CN/LC_MESSAGES/" + domain + ".mo"), entries);
    }

    test::TempDir dir_;
    TGettextInstance& instance_ = DefaultInstance();
};

TEST_F(ComPortMessages, WithoutCatalogTheTableKeepsTheEnglishTexts) {
    InitComPortMessages();
    EXPECT_EQ(instance_.ResourceStringDomains(), (std::vector<std::string>{"default", "cport"}));
    for (int n = 1; n <= kComPortMessageCount; ++n) EXPECT_EQ(ComPortMessage(n), ComPortEnglishMessage(n));
    EXPECT_STREQ(EComPort(CE_OPEN_FAILED, 0).what(), "Unable to open com port (win error code: 0)");
    EXPECT_STREQ(EComPort(CE_CONNECT_CHANGE_PROP).what(), "Cannot set property while connected");
}

TEST_F(ComPortMessages, EveryTextIsTranslatedInOrder) {
    test::Entries entries;
    for (int n = 1; n <= kComPortMessageCount; ++n)
        entries.emplace_back(ComPortEnglishMessage(n), "#" + std::to_string(n));
    Catalog("default", entries);
    InitComPortMessages();
    for (int n = 1; n <= kComPortMessageCount; ++n) EXPECT_EQ(ComPortMessage(n), "#" + std::to_string(n));
    EXPECT_STREQ(EComPort(CE_HAS_LINK).what(), "#22");
}

TEST_F(ComPortMessages, TranslatedPercentSignsShowAsWrittenAndTheSuffixIsTranslatedEachTime) {
    Catalog("default", {{"Unable to open com port", "无法打开串口 100%s %n"}});
    Catalog("cport", {{" (win error code: %d)", "（错误码 %d，50%%）"}});
    InitComPortMessages();
    EXPECT_STREQ(EComPort(CE_OPEN_FAILED, 0).what(), "无法打开串口 100%s %n（错误码 0，50%）");
    EXPECT_STREQ(EComPort(CE_WRITE_FAILED, 22).what(), "WriteFile function failed（错误码 22，50%）");
    // The suffix comes from the runtime for every exception, not once.
    instance_.UseLanguage("en_US");
    EXPECT_STREQ(EComPort(CE_WRITE_FAILED, 5).what(), "WriteFile function failed (win error code: 5)");
    EXPECT_STREQ(EComPort(CE_OPEN_FAILED, 2).what(), "无法打开串口 100%s %n (win error code: 2)");
}

TEST_F(ComPortMessages, BrokenCatalogLeavesTheEnglishSuffixInTheError) {
    test::WriteBytes(dir_ / "locale/zh_CN/LC_MESSAGES/default.mo", {0xDE, 0x12, 0x04, 0x95, 1, 2});
    EXPECT_THROW(InitComPortMessages(), std::runtime_error);
    EXPECT_STREQ(EComPort(CE_READ_FAILED, 9).what(), "ReadFile function failed (win error code: 9)");
}

}  // namespace
}  // namespace dsp
