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
    EXPECT_EQ(DetectLanguageFrom("", "", "", 1049), "ru_RU");
}

TEST(Language, LocaleIdentifierTableKeepsItsNames) {
    EXPECT_EQ(LocaleNameFromId(1032), "gr_GR");
    EXPECT_EQ(LocaleNameFromId(1042), "ko_KO");
    EXPECT_EQ(LocaleNameFromId(2057), "en_UK");
    EXPECT_EQ(LocaleNameFromId(1034), "es_ES");
    EXPECT_EQ(LocaleNameFromId(3082), "es_ES");
    EXPECT_EQ(LocaleNameFromId(2077), "fi_SE");
    EXPECT_EQ(LocaleNameFromId(4103), "de_LU");
    EXPECT_EQ(LocaleNameFromId(2052), "C");  // not in the table
    EXPECT_EQ(LocaleNameFromId(kNoLocaleId), "C");
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

TEST(TextSteps, CarriageReturnsComeOffAndBack) {
    EXPECT_EQ(StripCarriageReturns("a\r\nb\rc"), "a\nbc");
    EXPECT_EQ(RestoreCarriageReturns("\na\nb\r\nc"), "\r\na\r\nb\r\nc");
}

} // namespace
} // namespace dsp
