// The embedded window layout against the window's component tables: every
// component, its class, parent, position, skin and wiring.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "main/layout/layout_reader.h"
#include "main/panel/panel_resources.h"
#include "platform/graphics/jpeg_file.h"

namespace dsp {
namespace {

struct Expected {
    const char* name;
    const char* className;
    const char* parent;
    int left, top, width, height;
    int skin;  // 0: no skin data
};

// clang-format off
const Expected kVisual[] = {
    {"Image1", "TImage", "Form1", 0, 0, 697, 38, 0},
    {"bsSkinGroupBox1", "TbsSkinGroupBox", "Form1", 0, 38, 221, 197, 1},
    {"bsSkinGroupBox2", "TbsSkinGroupBox", "Form1", 222, 38, 203, 197, 1},
    {"bsSkinGroupBox3", "TbsSkinGroupBox", "Form1", 426, 38, 270, 197, 1},
    {"bsSkinPanel2", "TbsSkinPanel", "Form1", 0, 236, 415, 24, 2},
    {"bsSkinPanel3", "TbsSkinPanel", "Form1", 417, 236, 275, 24, 1},
    {"bsSkinPanel1", "TbsSkinPanel", "Form1", 0, 261, 696, 190, 1},
    {"bsSkinButton1", "TbsSkinButton", "bsSkinGroupBox1", 4, 31, 82, 25, 1},
    {"bsSkinComboBox1", "TbsSkinComboBox", "bsSkinGroupBox1", 88, 29, 120, 20, 1},
    {"bsSkinButton2", "TbsSkinButton", "bsSkinGroupBox1", 4, 63, 82, 25, 1},
    {"bsSkinSpinEdit1", "TbsSkinSpinEdit", "bsSkinGroupBox1", 88, 61, 120, 20, 1},
    {"bsSkinButton3", "TbsSkinButton", "bsSkinGroupBox1", 4, 94, 82, 25, 1},
    {"bsSkinSpinEdit2", "TbsSkinSpinEdit", "bsSkinGroupBox1", 88, 92, 120, 20, 1},
    {"bsSkinStdLabel5", "TbsSkinStdLabel", "bsSkinGroupBox1", 3, 130, 72, 13, 1},
    {"bsSkinSpinEdit3", "TbsSkinSpinEdit", "bsSkinGroupBox1", 88, 125, 120, 20, 1},
    {"bsSkinStdLabel6", "TbsSkinStdLabel", "bsSkinGroupBox1", 3, 163, 72, 13, 1},
    {"bsSkinSpinEdit4", "TbsSkinSpinEdit", "bsSkinGroupBox1", 88, 158, 120, 20, 1},
    {"bsSkinStdLabel2", "TbsSkinStdLabel", "bsSkinGroupBox2", 6, 29, 60, 13, 1},
    {"bsSkinComboBox3", "TbsSkinComboBox", "bsSkinGroupBox2", 77, 27, 120, 20, 1},
    {"bsSkinStdLabel4", "TbsSkinStdLabel", "bsSkinGroupBox2", 6, 62, 36, 13, 1},
    {"bsSkinComboBox5", "TbsSkinComboBox", "bsSkinGroupBox2", 77, 58, 120, 20, 1},
    {"bsSkinStdLabel7", "TbsSkinStdLabel", "bsSkinGroupBox2", 6, 95, 48, 13, 1},
    {"bsSkinComboBox6", "TbsSkinComboBox", "bsSkinGroupBox2", 77, 90, 120, 20, 1},
    {"bsSkinStdLabel8", "TbsSkinStdLabel", "bsSkinGroupBox2", 6, 128, 36, 13, 1},
    {"bsSkinComboBox7", "TbsSkinComboBox", "bsSkinGroupBox2", 77, 124, 120, 20, 1},
    {"bsSkinStdLabel9", "TbsSkinStdLabel", "bsSkinGroupBox2", 4, 163, 72, 13, 1},
    {"bsSkinSpinEdit5", "TbsSkinSpinEdit", "bsSkinGroupBox2", 76, 158, 120, 20, 1},
    {"bsSkinStdLabel10", "TbsSkinStdLabel", "bsSkinGroupBox3", 6, 32, 57, 13, 1},
    {"bsSkinSlider1", "TbsSkinSlider", "bsSkinGroupBox3", 71, 24, 150, 40, 1},
    {"bsSkinNumericEdit7", "TbsSkinNumericEdit", "bsSkinGroupBox3", 223, 30, 33, 18, 2},
    {"bsSkinStdLabel11", "TbsSkinStdLabel", "bsSkinGroupBox3", 6, 64, 57, 13, 1},
    {"bsSkinSlider2", "TbsSkinSlider", "bsSkinGroupBox3", 71, 53, 150, 40, 1},
    {"bsSkinNumericEdit9", "TbsSkinNumericEdit", "bsSkinGroupBox3", 223, 61, 33, 18, 2},
    {"bsSkinStdLabel12", "TbsSkinStdLabel", "bsSkinGroupBox3", 6, 96, 57, 13, 1},
    {"bsSkinSlider3", "TbsSkinSlider", "bsSkinGroupBox3", 71, 88, 150, 40, 1},
    {"bsSkinNumericEdit10", "TbsSkinNumericEdit", "bsSkinGroupBox3", 223, 94, 33, 18, 2},
    {"bsSkinStdLabel13", "TbsSkinStdLabel", "bsSkinGroupBox3", 6, 128, 67, 13, 1},
    {"bsSkinSlider5", "TbsSkinSlider", "bsSkinGroupBox3", 71, 121, 150, 40, 1},
    {"bsSkinNumericEdit11", "TbsSkinNumericEdit", "bsSkinGroupBox3", 223, 127, 33, 18, 2},
    {"bsSkinStdLabel14", "TbsSkinStdLabel", "bsSkinGroupBox3", 6, 160, 67, 13, 1},
    {"bsSkinSlider6", "TbsSkinSlider", "bsSkinGroupBox3", 71, 150, 150, 40, 1},
    {"bsSkinNumericEdit12", "TbsSkinNumericEdit", "bsSkinGroupBox3", 223, 156, 33, 18, 2},
    {"bsSkinStdLabel1", "TbsSkinStdLabel", "bsSkinPanel2", 5, 6, 45, 13, 1},
    {"bsSkinButton4", "TbsSkinButton", "bsSkinPanel2", 54, 0, 71, 25, 3},
    {"bsSkinButton5", "TbsSkinButton", "bsSkinPanel2", 126, 0, 71, 25, 3},
    {"bsSkinButton6", "TbsSkinButton", "bsSkinPanel2", 198, 0, 71, 25, 3},
    {"bsSkinButton7", "TbsSkinButton", "bsSkinPanel2", 270, 0, 71, 25, 3},
    {"bsSkinButton8", "TbsSkinButton", "bsSkinPanel2", 342, 0, 71, 25, 3},
    {"bsSkinStdLabel32", "TbsSkinStdLabel", "bsSkinPanel3", 13, 6, 36, 13, 1},
    {"bsSkinButton9", "TbsSkinButton", "bsSkinPanel3", 64, 0, 67, 25, 3},
    {"bsSkinButton10", "TbsSkinButton", "bsSkinPanel3", 132, 0, 67, 25, 3},
    {"bsSkinButton11", "TbsSkinButton", "bsSkinPanel3", 200, 0, 75, 25, 3},
    {"bsSkinStdLabel16", "TbsSkinStdLabel", "bsSkinPanel1", 77, 4, 66, 13, 1},
    {"bsSkinStdLabel22", "TbsSkinStdLabel", "bsSkinPanel1", 282, 4, 65, 13, 1},
    {"bsSkinStdLabel26", "TbsSkinStdLabel", "bsSkinPanel1", 478, 4, 55, 13, 1},
    {"bsSkinStdLabel27", "TbsSkinStdLabel", "bsSkinPanel1", 26, 26, 46, 13, 1},
    {"bsSkinTrackBar12", "TbsSkinTrackBar", "bsSkinPanel1", 34, 47, 20, 112, 2},
    {"bsSkinNumericEdit18", "TbsSkinNumericEdit", "bsSkinPanel1", 32, 161, 23, 18, 2},
    {"bsSkinStdLabel29", "TbsSkinStdLabel", "bsSkinPanel1", 84, 26, 32, 13, 1},
    {"bsSkinTrackBar1", "TbsSkinTrackBar", "bsSkinPanel1", 88, 47, 20, 112, 2},
    {"bsSkinNumericEdit1", "TbsSkinNumericEdit", "bsSkinPanel1", 86, 161, 23, 18, 2},
    {"bsSkinStdLabel28", "TbsSkinStdLabel", "bsSkinPanel1", 141, 26, 32, 13, 1},
    {"bsSkinTrackBar3", "TbsSkinTrackBar", "bsSkinPanel1", 144, 47, 20, 112, 2},
    {"bsSkinNumericEdit3", "TbsSkinNumericEdit", "bsSkinPanel1", 142, 161, 23, 18, 2},
    {"bsSkinStdLabel23", "TbsSkinStdLabel", "bsSkinPanel1", 252, 26, 27, 13, 1},
    {"bsSkinTrackBar4", "TbsSkinTrackBar", "bsSkinPanel1", 254, 47, 20, 112, 2},
    {"bsSkinNumericEdit4", "TbsSkinNumericEdit", "bsSkinPanel1", 253, 161, 23, 18, 2},
    {"bsSkinStdLabel24", "TbsSkinStdLabel", "bsSkinPanel1", 314, 26, 28, 13, 1},
    {"bsSkinTrackBar5", "TbsSkinTrackBar", "bsSkinPanel1", 314, 47, 20, 112, 2},
    {"bsSkinNumericEdit5", "TbsSkinNumericEdit", "bsSkinPanel1", 312, 161, 23, 18, 2},
    {"bsSkinStdLabel25", "TbsSkinStdLabel", "bsSkinPanel1", 372, 26, 28, 13, 1},
    {"bsSkinTrackBar6", "TbsSkinTrackBar", "bsSkinPanel1", 375, 47, 20, 112, 2},
    {"bsSkinNumericEdit6", "TbsSkinNumericEdit", "bsSkinPanel1", 374, 161, 23, 18, 2},
    {"bsSkinStdLabel19", "TbsSkinStdLabel", "bsSkinPanel1", 443, 26, 29, 13, 1},
    {"bsSkinTrackBar7", "TbsSkinTrackBar", "bsSkinPanel1", 446, 47, 20, 112, 2},
    {"bsSkinNumericEdit14", "TbsSkinNumericEdit", "bsSkinPanel1", 445, 161, 23, 18, 2},
    {"bsSkinStdLabel20", "TbsSkinStdLabel", "bsSkinPanel1", 496, 26, 26, 13, 1},
    {"bsSkinTrackBar8", "TbsSkinTrackBar", "bsSkinPanel1", 498, 47, 20, 112, 2},
    {"bsSkinNumericEdit15", "TbsSkinNumericEdit", "bsSkinPanel1", 497, 161, 23, 18, 2},
    {"bsSkinStdLabel21", "TbsSkinStdLabel", "bsSkinPanel1", 546, 26, 27, 13, 1},
    {"bsSkinTrackBar9", "TbsSkinTrackBar", "bsSkinPanel1", 550, 47, 20, 112, 2},
    {"bsSkinNumericEdit16", "TbsSkinNumericEdit", "bsSkinPanel1", 548, 161, 23, 18, 2},
    {"bsSkinStdLabel17", "TbsSkinStdLabel", "bsSkinPanel1", 604, 8, 28, 13, 1},
    {"bsSkinStdLabel30", "TbsSkinStdLabel", "bsSkinPanel1", 604, 24, 28, 13, 1},
    {"bsSkinTrackBar2", "TbsSkinTrackBar", "bsSkinPanel1", 608, 41, 20, 118, 2},
    {"bsSkinNumericEdit2", "TbsSkinNumericEdit", "bsSkinPanel1", 606, 161, 23, 18, 2},
    {"bsSkinStdLabel18", "TbsSkinStdLabel", "bsSkinPanel1", 648, 8, 28, 13, 1},
    {"bsSkinStdLabel31", "TbsSkinStdLabel", "bsSkinPanel1", 648, 24, 28, 13, 1},
    {"bsSkinTrackBar10", "TbsSkinTrackBar", "bsSkinPanel1", 653, 42, 20, 117, 2},
    {"bsSkinNumericEdit13", "TbsSkinNumericEdit", "bsSkinPanel1", 651, 161, 23, 18, 2},
    {"bsSkinBevel1", "TbsSkinBevel", "bsSkinPanel1", 221, 1, 1, 225, 1},
    {"bsSkinBevel3", "TbsSkinBevel", "bsSkinPanel1", 425, 1, 1, 225, 1},
    {"bsSkinBevel4", "TbsSkinBevel", "bsSkinPanel1", 586, 1, 1, 225, 1},
    {"bsSkinBevel7", "TbsSkinBevel", "bsSkinPanel1", 0, 21, 224, 1, 0},
    {"bsSkinBevel2", "TbsSkinBevel", "bsSkinPanel1", 222, 21, 204, 1, 0},
    {"bsSkinBevel6", "TbsSkinBevel", "bsSkinPanel1", 425, 21, 162, 1, 0},
    {"bsSkinBevel5", "TbsSkinBevel", "bsSkinPanel1", 0, 224, 688, 2, 0},
    {"bsSkinStatusPanel1", "TbsSkinStatusPanel", "bsSkinStatusBar1", 0, 0, 509, 21, 1},
    {"bsSkinStatusPanel2", "TbsSkinStatusPanel", "bsSkinStatusBar1", 509, 0, 59, 21, 1},
    {"bsSkinComboBox8", "TbsSkinComboBox", "bsSkinStatusBar1", 568, 0, 120, 21, 1},
};
// clang-format on

const char* const kNonVisual[][2] = {
    {"bsSkinForm1", "TbsSkinForm"},
    {"bsSkinFrame1", "TbsSkinFrame"},
    {"bsCompressedStoredSkin1", "TbsCompressedStoredSkin"},
    {"bsCompressedStoredSkin2", "TbsCompressedStoredSkin"},
    {"bsCompressedStoredSkin3", "TbsCompressedStoredSkin"},
    {"bsSkinData1", "TbsSkinData"},
    {"bsSkinData2", "TbsSkinData"},
    {"bsSkinData3", "TbsSkinData"},
    {"ComPort1", "TComPort"},
};

class Form1Layout : public ::testing::Test {
  protected:
    void SetUp() override {
        const EmbeddedResource* text = PanelResources().Find("layout");
        ASSERT_NE(text, nullptr);
        root_ = ReadLayout(text->Text());
        for (const LayoutObject* object : FlattenLayout(root_))
            for (const LayoutObject& child : object->children) parents_[child.name] = object->name;
    }

    int Integer(const std::string& object, const char* property) {
        const LayoutProperty* found = root_.FindObject(object)->FindProperty(property);
        return found ? found->value.integer : -1;
    }
    std::string Text(const std::string& object, const char* property) {
        const LayoutProperty* found = root_.FindObject(object)->FindProperty(property);
        return found ? found->value.text : "<none>";
    }

    LayoutObject root_;
    std::map<std::string, std::string> parents_;
};

TEST_F(Form1Layout, HoldsEveryComponentWithItsParentPositionAndSkin) {
    EXPECT_EQ(root_.name, "Form1");
    EXPECT_EQ(root_.className, "TForm1");
    std::vector<std::string> layoutOrder;
    for (const LayoutObject* object : FlattenLayout(root_))
        if (object != &root_ && object->className != "TbsSkinStatusBar") layoutOrder.push_back(object->name);
    EXPECT_EQ(layoutOrder.size(), std::size(kVisual) + std::size(kNonVisual));

    for (const Expected& e : kVisual) {
        SCOPED_TRACE(e.name);
        const LayoutObject* object = root_.FindObject(e.name);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->className, e.className);
        EXPECT_EQ(parents_[e.name], e.parent);
        EXPECT_EQ(Integer(e.name, "Left"), e.left);
        EXPECT_EQ(Integer(e.name, "Top"), e.top);
        EXPECT_EQ(Integer(e.name, "Width"), e.width);
        EXPECT_EQ(Integer(e.name, "Height"), e.height);
        EXPECT_EQ(Text(e.name, "SkinData"), e.skin ? "bsSkinData" + std::to_string(e.skin) : "<none>");
    }
    for (const auto& [name, className] : kNonVisual) {
        ASSERT_NE(root_.FindObject(name), nullptr) << name;
        EXPECT_EQ(root_.FindObject(name)->className, className);
        EXPECT_EQ(parents_[name], "Form1");
    }
    // Within each parent the visual children follow the table rows.
    std::map<std::string, std::vector<std::string>> expectedChildren;
    for (const Expected& e : kVisual) expectedChildren[e.parent].push_back(e.name);
    for (const auto& [parent, names] : expectedChildren) {
        std::vector<std::string> actual;
        for (const LayoutObject& child : root_.FindObject(parent)->children)
            if (child.FindProperty("Left")) actual.push_back(child.name);
        EXPECT_EQ(actual, names) << parent;
    }
    EXPECT_EQ(Text("bsSkinStatusBar1", "Align"), "alBottom");
    EXPECT_EQ(Integer("bsSkinStatusBar1", "Height"), 21);
}

TEST_F(Form1Layout, CountsByClass) {
    std::map<std::string, int> counts;
    for (const LayoutObject* object : FlattenLayout(root_)) ++counts[object->className];
    EXPECT_EQ(counts["TbsSkinTrackBar"], 11);
    EXPECT_EQ(counts["TbsSkinSlider"], 5);
    EXPECT_EQ(counts["TbsSkinSpinEdit"], 5);
    EXPECT_EQ(counts["TbsSkinComboBox"], 6);
    EXPECT_EQ(counts["TbsSkinButton"], 11);
    EXPECT_EQ(counts["TbsSkinNumericEdit"], 16);
    EXPECT_EQ(counts["TbsSkinStdLabel"], 30);
    EXPECT_EQ(counts["TbsSkinBevel"], 7);
    EXPECT_EQ(counts["TbsSkinStatusPanel"], 2);
}

TEST_F(Form1Layout, RangesDesignValuesAndWiring) {
    struct Range {
        const char* name;
        int min, max, value;
    };
    const Range ranges[] = {
        {"bsSkinSpinEdit1", 0, 10, 0},   {"bsSkinSpinEdit2", 0, 6, 0},      {"bsSkinSpinEdit3", 20, 64, 50},
        {"bsSkinSpinEdit4", 20, 42, 38}, {"bsSkinSpinEdit5", 50, 250, 100}, {"bsSkinSlider1", 0, 250, 0},
        {"bsSkinSlider2", 0, 80, 0},     {"bsSkinSlider6", 0, 80, 0},       {"bsSkinTrackBar12", 0, 63, 50},
        {"bsSkinTrackBar1", 0, 63, 50},  {"bsSkinTrackBar3", 0, 63, 50},    {"bsSkinTrackBar4", 0, 20, 20},
        {"bsSkinTrackBar9", 0, 20, 20},  {"bsSkinTrackBar2", 0, 42, 42},    {"bsSkinTrackBar10", 0, 80, 42},
    };
    for (const Range& r : ranges) {
        EXPECT_EQ(Integer(r.name, "MinValue"), r.min) << r.name;
        EXPECT_EQ(Integer(r.name, "MaxValue"), r.max) << r.name;
        EXPECT_EQ(Integer(r.name, "Value"), r.value) << r.name;
    }
    // Every On... names the handler after the instance and the event.
    int events = 0;
    for (const LayoutObject* object : FlattenLayout(root_))
        for (const LayoutProperty& property : object->properties) {
            if (!property.name.starts_with("On")) continue;
            ++events;
            const std::string expected =
                object == &root_ ? "FormActivate" : object->name + property.name.substr(2);
            EXPECT_EQ(property.value.text, expected);
            EXPECT_EQ(&property, &object->properties.back()) << object->name << ": events come last";
        }
    // FormActivate, 11 buttons, 11 track bars, 5 sliders, 3 spin edits, 4 close-ups, the language box.
    EXPECT_EQ(events, 36);
    const LayoutProperty* items = root_.FindObject("bsSkinComboBox1")->FindProperty("Items");
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->value.items.size(), 11u);
    EXPECT_EQ(items->value.items[8].text, "COM9");
    EXPECT_EQ(items->value.items[10].text, "");
    EXPECT_EQ(Text("bsSkinComboBox8", "Text"), "中文");
    EXPECT_EQ(Text("Form1", "Caption"), "专业DSP前级效果器");
    for (int i = 4; i <= 11; ++i)
        EXPECT_TRUE(root_.FindObject("bsSkinButton" + std::to_string(i))
                        ->FindProperty("Enabled")
                        ->value.IsIdentifier("False"));
}

TEST_F(Form1Layout, BannerIsEmbeddedAtItsSize) {
    EXPECT_EQ(Text("Image1", "Picture"), "banner");
    const EmbeddedResource* banner = PanelResources().Find("banner");
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->data[banner->size], 0);  // the extra terminator is not counted
    const Bitmap picture = DecodeJpeg(banner->Bytes());
    EXPECT_EQ(picture.Width(), 998);
    EXPECT_EQ(picture.Height(), 157);
}

}  // namespace
}  // namespace dsp
