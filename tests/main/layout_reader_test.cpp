#include "main/layout/layout_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "main/layout/layout_error.h"

namespace dsp {
namespace {

int ErrorLine(const std::string& text, std::string* message = nullptr) {
    try {
        ReadLayout(text);
    } catch (const ELayoutError& error) {
        if (message) *message = error.what();
        return error.Line();
    }
    return 0;
}

TEST(LayoutReader, KeepsOrderKindsAndNesting) {
    const LayoutObject root = ReadLayout(
        "# comment\n"
        "object Form1: TForm1\r\n"
        "  Caption = \"专业 \\\"DSP\\\" \\\\\"\n"
        "  Font.Height = -11\n"
        "  BorderIcons = ()\n"
        "  Items = (\"COM1\", \"\", 7, clRed)\n"
        "\n"
        "  object Panel1: TbsSkinPanel\n"
        "    Picture = @banner\n"
        "    Enabled = False\n"
        "    object Label1: TbsSkinStdLabel\n"
        "    end\n"
        "  end\n"
        "  object Panel2: TbsSkinPanel\n"
        "  end\n"
        "end");
    EXPECT_EQ(root.className, "TForm1");
    EXPECT_EQ(root.line, 2);
    ASSERT_EQ(root.properties.size(), 4u);
    EXPECT_EQ(root.properties[0].value.text, "专业 \"DSP\" \\");
    EXPECT_EQ(root.properties[1].name, "Font.Height");
    EXPECT_EQ(root.properties[1].value.kind, LayoutValueKind::Integer);
    EXPECT_EQ(root.properties[1].value.integer, -11);
    EXPECT_EQ(root.properties[2].value.kind, LayoutValueKind::List);
    EXPECT_TRUE(root.properties[2].value.items.empty());
    const LayoutValue& items = root.properties[3].value;
    ASSERT_EQ(items.items.size(), 4u);
    EXPECT_EQ(items.items[1].kind, LayoutValueKind::String);
    EXPECT_EQ(items.items[1].text, "");
    EXPECT_EQ(items.items[2].integer, 7);
    EXPECT_TRUE(items.items[3].IsIdentifier("clRed"));

    ASSERT_EQ(root.children.size(), 2u);
    const LayoutObject& panel = root.children[0];
    EXPECT_EQ(panel.properties[0].value.kind, LayoutValueKind::Resource);
    EXPECT_EQ(panel.properties[0].value.text, "banner");
    EXPECT_EQ(panel.properties[0].line, 9);
    ASSERT_EQ(panel.children.size(), 1u);
    EXPECT_EQ(panel.children[0].name, "Label1");

    std::string order;
    for (const LayoutObject* object : FlattenLayout(root)) order += object->name + " ";
    EXPECT_EQ(order, "Form1 Panel1 Label1 Panel2 ");
    EXPECT_EQ(root.FindObject("Label1"), &panel.children[0]);
    EXPECT_EQ(root.FindObject("Nothing"), nullptr);
}

TEST(LayoutReader, MalformedTextIsRefusedAtItsLine) {
    struct Case {
        const char* text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"", 1, "holds no object"},
        {"Caption = \"x\"\n", 1, "must start"},
        {"object A: TA\n  Caption = \"open\n", 2, "not closed with '\"'"},
        {"object A: TA\n  Width = 12x\nend\n", 2, "malformed number"},
        {"object A: TA\n  Width = 99999999999\nend\n", 2, "out of range"},
        {"object A: TA\n  Items = (\"a\" \"b\")\nend\n", 2, "expected ','"},
        {"object A: TA\n  Items = (\"a\",\nend\n", 2, "a value is missing"},
        {"object A: TA\n  Items = ((1))\nend\n", 2, "lists cannot hold lists"},
        {"object A: TA\n  Caption = \"a\\n\"\nend\n", 2, "may be escaped"},
        {"object A: TA\n  Caption = \"\xC3\x28\"\nend\n", 2, "UTF-8"},
        {"object A: TA\n  Caption = \"\xED\xA0\x80\"\nend\n", 2, "UTF-8"},
        {"object A: TA\n  Caption = \"a\" b\nend\n", 2, "after the value"},
        {"object A: TA\n  Caption =\nend\n", 2, "a value is missing"},
        {"object A: TA\n  Caption \"a\"\nend\n", 2, "Property = value"},
        {"object A: TA\n  1Bad = 1\nend\n", 2, "bad property name"},
        {"object A: TA\n  Font..Name = 1\nend\n", 2, "bad property name"},
        {"object A: TA\n  Width = 1\n  Width = 2\nend\n", 3, "set twice"},
        {"object A: TA\n  object B: TB\n  end\n  Width = 1\nend\n", 4, "after a child"},
        {"object A: TA\n  object A: TB\n  end\nend\n", 2, "second object named A"},
        {"object A TA\nend\n", 1, "object Name: Class"},
        {"object A: T-A\nend\n", 1, "bad class name"},
        {"object A: TA\n  object B: TB\nend\n", 3, "A (line 1) is not closed"},
        {"object A: TA\nend\nend\n", 3, "after the end"},
        {"end\n", 1, "without an open object"},
        {"object A: TA\n  Picture = @\nend\n", 2, "a name is expected"},
        {"object A: TA\n  Caption = \"a\x01\"\nend\n", 2, "control character"},
    };
    for (const Case& c : cases) {
        std::string message;
        EXPECT_EQ(ErrorLine(c.text, &message), c.line) << c.text;
        EXPECT_NE(message.find(c.reason), std::string::npos) << c.text << " -> " << message;
        EXPECT_EQ(message.rfind("layout line " + std::to_string(c.line) + ": ", 0), 0u) << message;
    }
}

TEST(LayoutReader, DeepNestingIsRefusedNotRecursed) {
    std::string text;
    for (int i = 0; i < kMaxLayoutDepth + 1; ++i) text += "object O" + std::to_string(i) + ": T\n";
    EXPECT_EQ(ErrorLine(text), kMaxLayoutDepth + 1);
}

}  // namespace
}  // namespace dsp
