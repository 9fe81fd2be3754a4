#include "i18n/language.h"

#include <gtest/gtest.h>

#include "i18n/text_steps.h"

namespace dsp {
namespace {

TEST(Language, LangWinsAndIsCutAtTheDot) {
    EXPECT_EQ(DetectLanguageFrom("zh_CN.GBK", "fr_FR.UTF-8", "", kNoLocaleId), "zh_CN");
    EXPECT_EQ(DetectLanguageFrom("de_DE.UTF-8@euro", "", "", kNoLocaleId), "de_DE");
    EXPECT_EQ(DetectLanguageFrom("C", "", "", kNoLocaleId), "C");
}

TEST(Language, EmptyLangUsesLcAllThenLcMessages) {
    EXPECT_EQ(DetectLanguageFrom("", "fr_FR.UTF-8", "it_IT", kNoLocaleId), "fr_FR");
    EXPECT_EQ(DetectLanguageFrom("", "", "it_IT.ISO-8859-1", kNoLocaleId), "it_IT");
    EXPECT_EQ(DetectLanguageFrom("", "sv_SE@euro", "", kNoLocaleId), "sv_SE");
    // No two-letter language and country: the locale identifier decides.
    EXPECT_EQ(DetectLanguageFrom("", "C.UTF-8", "", kNoLocaleId), "C");
    EXPECT_EQ(DetectLanguageFrom("", "POSIX", "de_DE", kNoLocaleId), "C");
    EXPECT_EQ(DetectLanguageFrom("", "ast_ES", "", 1031), "de_DE");
    EXPECT_EQ(DetectLanguageFrom("", "", "", 1032), "gr_GR");  // the table's own spelling
    EXPECT_EQ(DetectLanguageFrom("", "", "", 2052), "C");      // not in the table
}

TEST(TextSteps, Utf8CheckRefusesBrokenSequences) {
    EXPECT_TRUE(IsValidUtf8("plain ASCII"));
    EXPECT_TRUE(IsValidUtf8("中文 Öffnen \xF0\x9F\x8E\xA4"));
    EXPECT_FALSE(IsValidUtf8("\xB4\xF2"));          // GBK bytes
    EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
}

}  // namespace
}  // namespace dsp
