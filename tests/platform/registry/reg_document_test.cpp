#include "platform/registry/reg_document.h"

#include <gtest/gtest.h>

namespace dsp {
namespace {

TEST(RegDocument, ReadsCrLfBomCommentsAndEveryValueForm) {
    std::string text =
        "\xEF\xBB\xBFREGEDIT4\r\n\r\n; a comment\r\n"
        "[HKEY_CURRENT_USER\\Software\\tolmy\\audio]\r\n"
        "\"Language\"=dword:0000000a\r\n"
        "\"Title\"=\"say \\\"hi\\\" C:\\\\x\"\r\n"
        "\"Blob\"=hex:01,02,\\\r\n  ff\r\n"
        "\"Multi\"=hex(7):41,00\r\n"
        "@=\"default\"\r\n";
    RegDocument doc = RegDocument::Parse(text);
    const RegKey* key = doc.FindKey("hkey_current_user\\software\\TOLMY\\audio");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->values.size(), 5u);
    EXPECT_EQ(key->Find("language")->dword, 10u);
    EXPECT_EQ(key->Find("Title")->text, "say \"hi\" C:\\x");
    EXPECT_EQ(key->Find("Blob")->bytes, (std::vector<uint8_t>{1, 2, 0xff}));
    EXPECT_EQ(static_cast<int>(key->Find("Multi")->type), 7);
    EXPECT_EQ(key->Find("")->text, "default");
}

TEST(RegDocument, SerializeThenParseGivesTheSameValues) {
    RegDocument doc;
    RegKey& key = doc.CreateKey("HKEY_CURRENT_USER\\Software\\a\\b");
    key.Set({"N", RegType::Dword, 0xFFFFFFFFu, "", {}});
    key.Set({"S", RegType::String, 0, "中文 \"q\" \\", {}});
    key.Set({"B", RegType::Binary, 0, "", {0, 0x7f, 0x80}});
    RegDocument again = RegDocument::Parse(doc.Serialize());
    // Parent keys are created before the key itself.
    ASSERT_EQ(again.Keys().size(), 3u);
    EXPECT_EQ(again.Keys()[0].path, "HKEY_CURRENT_USER\\Software");
    const RegKey* k = again.FindKey("HKEY_CURRENT_USER\\Software\\a\\b");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->Find("N")->dword, 0xFFFFFFFFu);
    EXPECT_EQ(k->Find("S")->text, "中文 \"q\" \\");
    EXPECT_EQ(k->Find("B")->bytes, (std::vector<uint8_t>{0, 0x7f, 0x80}));
}

TEST(RegDocument, RejectsWhatItCannotRead) {
    const char* bad[] = {
        "",
        "[HKEY_CURRENT_USER\\x]\n",                // no header
        "REGEDIT4\n\"v\"=dword:1\n",               // value outside a key
        "REGEDIT4\n[K]\n\"v\"=dword:123456789\n",  // nine digits
        "REGEDIT4\n[K]\n\"v\"=dword:xyz\n",
        "REGEDIT4\n[K]\n\"v\"=\"open\n",
        "REGEDIT4\n[K]\n\"v\"=hex:1,2\n",
        "REGEDIT4\n[K]\n\"v\"=qword:1\n",
        "REGEDIT4\n[-K]\n",
        "REGEDIT4\n[K]\nv=dword:1\n",
    };
    for (const char* text : bad) EXPECT_THROW(RegDocument::Parse(text), RegParseError) << text;
}

// What a file may hold must come back the same after a rewrite: line breaks
// in names and strings (a raw one would split the line), and typed data in
// hex(n) form (written back as dword or "" it would lose its bytes).
TEST(RegDocument, RewritingKeepsLineBreaksAndHexTypedData) {
    const RegDocument doc = RegDocument::Parse(
        "REGEDIT4\n[HKEY_CURRENT_USER\\k]\n\"a\\nb\"=\"x\\r\\ny\"\n"
        "\"D\"=hex(4):07,01,00,00\n\"S\"=hex(1):41,42,00\n\"Short\"=hex(4):01\n");
    const std::string once = doc.Serialize();
    const RegDocument again = RegDocument::Parse(once);
    EXPECT_EQ(again.Serialize(), once);
    const RegKey* key = again.FindKey("HKEY_CURRENT_USER\\k");
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->Find("a\nb"), nullptr);
    EXPECT_EQ(key->Find("a\nb")->text, "x\r\ny");
    EXPECT_EQ(key->Find("D")->dword, 0x107u);
    EXPECT_EQ(key->Find("D")->bytes, (std::vector<uint8_t>{7, 1, 0, 0}));
    EXPECT_EQ(key->Find("S")->text, "AB");
    EXPECT_EQ(key->Find("Short")->DataSize(), 1u);
}

TEST(RegDocument, DataSizeCountsStringsAsUtf16WithTerminator) {
    EXPECT_EQ((RegValue{"", RegType::String, 0, "", {}}).DataSize(), 2u);
    EXPECT_EQ((RegValue{"", RegType::String, 0, "1", {}}).DataSize(), 4u);
    EXPECT_EQ((RegValue{"", RegType::String, 0, "中文", {}}).DataSize(), 6u);
    EXPECT_EQ((RegValue{"", RegType::Dword, 0, "", {}}).DataSize(), 4u);
}

}  // namespace
}  // namespace dsp
