// The skin.ini text model and its value forms.
#include "skin/skin_values.h"

#include <gtest/gtest.h>

#include "skin/skin_error.h"
#include "skin/skin_ini.h"

namespace dsp {
namespace {

SkinIni Ini(const std::string& body) { return SkinIni::FromText("[S]\r\n" + body); }

TEST(SkinIniText, NamesIgnoreCaseLinesAreTrimmedAndCommentsSkipped) {
    SkinIni ini = SkinIni::FromText(
        "stray=before any section\r\n"
        "  [ Trackbar ]  \r\n"
        "; skinrect=9,9,9,9\r\n"
        "  SkinRect = 1,2,3,4  \r\n"
        "no equals sign here\r\n"
        "hint=a=b\n"
        "hint=second is ignored\r");
    EXPECT_FALSE(ini.SectionExists(""));
    EXPECT_EQ(ini.Find("", "stray"), nullptr);
    ASSERT_TRUE(ini.SectionExists("TRACKBAR"));
    EXPECT_EQ(ini.ReadString("trackbar", "skinrect", "x"), "1,2,3,4");
    EXPECT_EQ(ini.ReadString("trackbar", "hint", "x"), "a=b");
    EXPECT_EQ(ini.Keys("trackbar").size(), 2u);
    EXPECT_EQ(ini.ReadString("trackbar", "absent", "dflt"), "dflt");
}

TEST(SkinIniText, TrailingEmptyLineReadsTheSame) {
    std::string body = "[VERSION]\r\nskinname=Night\r\n[PICTURES]\r\npicture=main.bmp";
    SkinIni without = SkinIni::FromText(body);
    SkinIni with = SkinIni::FromText(body + "\r\n\r\n");
    EXPECT_EQ(without.ToText(), with.ToText());
    EXPECT_EQ(with.ReadString("PICTURES", "picture", ""), "main.bmp");
    EXPECT_EQ(SkinIni::SplitLines(body + "\r\n").size(), 4u);
}

TEST(SkinIniText, WriteReplacesInPlaceAndKeepsOrder) {
    SkinIni ini;
    ini.WriteString("A", "one", "1");
    ini.WriteString("A", "two", "2");
    ini.WriteString("a", "ONE", "uno");
    ini.WriteString("B", "x", "");
    EXPECT_EQ(ini.ToText(), "[A]\r\none=uno\r\ntwo=2\r\n\r\n[B]\r\nx=\r\n\r\n");
}

TEST(SkinValueForms, IntegersAreDecimalOrHexAndOtherwiseTheDefault) {
    EXPECT_EQ(ParseSkinInt("42", 7), 42);
    EXPECT_EQ(ParseSkinInt("-1", 7), -1);
    EXPECT_EQ(ParseSkinInt("0x1F", 7), 31);
    EXPECT_EQ(ParseSkinInt("0XfF00000f", 7), static_cast<int>(0xFF00000Fu));
    EXPECT_EQ(ParseSkinInt("2147483647", 7), 2147483647);
    EXPECT_EQ(ParseSkinInt("-2147483648", 7), -2147483647 - 1);
    for (const char* bad : {"", "12a", "0x", "0x123456789", "2147483648", "1 2", "fsbold"}) {
        EXPECT_EQ(ParseSkinInt(bad, 7), 7) << bad;
    }
}

TEST(SkinValueForms, BoolIsTrueOnlyForAValueReadingAsOne) {
    SkinIni ini = Ini("a=1\r\nb=0x1\r\nc=2\r\nd=0\r\ne=yes\r\nf=true\r\n");
    EXPECT_TRUE(ReadSkinBool(ini, "S", "a"));
    EXPECT_TRUE(ReadSkinBool(ini, "S", "b"));
    for (const char* key : {"c", "d", "e", "f", "absent"}) EXPECT_FALSE(ReadSkinBool(ini, "S", key)) << key;
}

TEST(SkinValueForms, RectanglesSkipBlanksAndMinusSigns) {
    SkinIni ini =
        Ini("r1=1,53,89,78\r\nr2= 1 , 53 ,\t89 , 78\r\nr3=-1,-53,89,-78\r\np=-3,4\r\n"
            "e=0,0,10,0\r\n");
    EXPECT_EQ(ReadSkinRect(ini, "S", "r1"), (TRect{1, 53, 89, 78}));
    EXPECT_EQ(ReadSkinRect(ini, "S", "r2"), (TRect{1, 53, 89, 78}));
    EXPECT_EQ(ReadSkinRect(ini, "S", "r3"), (TRect{1, 53, 89, 78}));
    EXPECT_EQ(ReadSkinPoint(ini, "S", "p"), (TPoint{3, 4}));
    EXPECT_EQ(ReadSkinRect(ini, "S", "absent"), TRect{});
    EXPECT_EQ(ReadSkinPoint(ini, "S", "absent"), TPoint{});
    EXPECT_TRUE(ReadSkinRect(ini, "S", "e").IsEmpty());
    EXPECT_FALSE(ReadSkinRect(ini, "S", "r1").IsEmpty());
}

TEST(SkinValueForms, MalformedRectanglesAndPointsAreErrors) {
    SkinIni ini =
        Ini("three=1,2,3\r\nhole=1,,3,4\r\nfive=1,2,3,4,5\r\nempty=\r\nhuge=1,2,3,99999999999\r\n"
            "p1=5\r\n");
    for (const char* key : {"three", "hole", "five", "empty", "huge"}) {
        EXPECT_THROW(ReadSkinRect(ini, "S", key), ESkinError) << key;
    }
    EXPECT_THROW(ReadSkinPoint(ini, "S", "p1"), ESkinError);
    try {
        ReadSkinRect(ini, "S", "three");
    } catch (const ESkinError& e) {
        EXPECT_NE(std::string(e.what()).find("[S] three"), std::string::npos) << e.what();
    }
}

TEST(SkinValueForms, FontStylesAreFoundAnywhereInTheValue) {
    SkinIni ini = Ini("a=fsbold\r\nb=fsbold,fsunderline\r\nc=\r\nd=xfsitalicx fsstrikeout\r\n");
    EXPECT_EQ(ReadSkinFontStyle(ini, "S", "a"), TFontStyles{fsBold});
    EXPECT_EQ(ReadSkinFontStyle(ini, "S", "b"), TFontStyles{fsBold | fsUnderline});
    EXPECT_EQ(ReadSkinFontStyle(ini, "S", "c"), TFontStyles{0});
    EXPECT_EQ(ReadSkinFontStyle(ini, "S", "d"), TFontStyles{fsItalic | fsStrikeOut});
    EXPECT_EQ(FontStyleText(fsBold | fsUnderline), "fsbold,fsunderline");
}

TEST(SkinValueForms, EnumerationWordsCompareWithCaseButKeysDoNot) {
    SkinIni ini =
        Ini("tray=cmminimizetotray\r\nodd=cmwhatever\r\ncaps=CMCLOSE\r\nCOMMAND=cmclose\r\n"
            "al1=TACENTER\r\nal2=taleftjustify\r\nal3=tacenter\r\n"
            "mk=mkpush\r\nmkodd=MKPUSH\r\nst1=stvert\r\nst2=STFULL\r\nef=ieinvert\r\nefodd=x\r\n");
    EXPECT_EQ(ReadSkinCommand(ini, "S", "tray"), TbsStdCommand::cmMinimizeToTray);
    EXPECT_EQ(ReadSkinCommand(ini, "S", "odd"), TbsStdCommand::cmMinimizeToTray);
    EXPECT_EQ(ReadSkinCommand(ini, "S", "caps"), TbsStdCommand::cmMinimizeToTray);
    EXPECT_EQ(ReadSkinCommand(ini, "s", "command"), TbsStdCommand::cmClose);
    EXPECT_EQ(ReadSkinCommand(ini, "S", "absent"), TbsStdCommand::cmDefault);
    EXPECT_EQ(ReadSkinAlignment(ini, "S", "al1"), TAlignment::taRightJustify);
    EXPECT_EQ(ReadSkinAlignment(ini, "S", "al2"), TAlignment::taLeftJustify);
    EXPECT_EQ(ReadSkinAlignment(ini, "S", "al3"), TAlignment::taCenter);
    EXPECT_EQ(ReadSkinAlignment(ini, "S", "absent"), TAlignment::taCenter);
    EXPECT_EQ(ReadSkinMorphKind(ini, "S", "mk"), TbsMorphKind::mkPush);
    EXPECT_EQ(ReadSkinMorphKind(ini, "S", "mkodd"), TbsMorphKind::mkDefault);
    EXPECT_EQ(ReadSkinStretchType(ini, "S", "st1"), TbsStretchType::stVert);
    EXPECT_EQ(ReadSkinStretchType(ini, "S", "st2"), TbsStretchType::stHorz);
    EXPECT_EQ(ReadSkinStretchType(ini, "S", "absent"), TbsStretchType::stFull);
    EXPECT_EQ(ReadSkinEffect(ini, "S", "ef"), TbsInActiveEffect::ieInvert);
    EXPECT_EQ(ReadSkinEffect(ini, "S", "efodd"), TbsInActiveEffect::ieGrayScale);
    EXPECT_EQ(ReadSkinEffect(ini, "S", "absent"), TbsInActiveEffect::ieBrightness);
}

TEST(SkinValueForms, ListsReadCountThenEntriesAndRefuseAbsurdCounts) {
    SkinIni ini = Ini("activepicturescount=3\r\n0=a.bmp\r\n2=c.bmp\r\n");
    EXPECT_EQ(ReadSkinList(ini, "S", "activepictures"), (std::vector<std::string>{"a.bmp", "", "c.bmp"}));
    EXPECT_TRUE(ReadSkinList(ini, "S", "other").empty());
    SkinIni lying = Ini("count=2000000000\r\n");
    EXPECT_THROW(ReadSkinList(lying, "S", ""), ESkinError);
}

}  // namespace
}  // namespace dsp
