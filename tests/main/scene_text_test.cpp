#include "main/scene/scene_text.h"

#include <gtest/gtest.h>

#include <string>

namespace dsp {
namespace {

const CommandRow& Row(std::string_view name) { return *FindParameterName(name); }

TEST(SceneText, ReadsEveryKindOfLineAndWritesTheCanonicalText) {
    const std::string text =
        "\xEF\xBB\xBF# dsp-panel scene 1\r\n"
        "  # a comment\n"
        "\n"
        "input = dvd\r\n"
        "name = Friday \xE5\xA4\xA7\xE5\x8E\x85\n"
        "MAIN-VOL=31\n"
        "\tKEY =  b-5  \n"
        "notes = bass player = loud\n"
        "MUSIC-VOL-MAX = 64";
    SceneTextResult read = ReadSceneText(text);
    ASSERT_TRUE(read.scene) << read.error.line << ": " << read.error.reason;
    const Scene& scene = *read.scene;
    EXPECT_EQ(scene.Name(), "Friday \xE5\xA4\xA7\xE5\x8E\x85");
    EXPECT_EQ(scene.Notes(), "bass player = loud");
    EXPECT_EQ(scene.Value(Row("INPUT")), 2);
    EXPECT_EQ(scene.Value(Row("KEY")), 0);
    EXPECT_EQ(scene.Value(Row("ECHO")), std::nullopt);

    const std::string written = WriteSceneText(scene);
    EXPECT_EQ(written,
              "# dsp-panel scene 1\n"
              "name = Friday \xE5\xA4\xA7\xE5\x8E\x85\n"
              "notes = bass player = loud\n"
              "MAIN-VOL = 31\n"
              "INPUT = DVD\n"
              "KEY = b-5\n"
              "MUSIC-VOL-MAX = 64\n");
    SceneTextResult again = ReadSceneText(written);
    ASSERT_TRUE(again.scene);
    EXPECT_EQ(*again.scene, scene);
}

TEST(SceneText, EveryMalformedClassNamesItsLineAndReason) {
    struct Case {
        std::string text;
        int line;
        std::string reason;
    };
    const std::string h = "# dsp-panel scene 1\n";
    for (const Case& c : std::vector<Case>{
             {"", 1, "empty file"},
             {"MAIN-VOL = 3\n", 1, "not a scene"},
             {"# dsp-panel scene 2\n", 1, "version"},
             {h + "\nMAIN-VOL 31\n", 3, "not a NAME = VALUE line"},
             {h + "VOLUME = 3\n", 2, "unknown parameter \"VOLUME\""},
             {h + "0x13 = 3\n", 2, "unknown parameter"},
             {h + "LOAD = 3\n", 2, "LOAD is an action"},
             {h + "SAVE = 1\n", 2, "SAVE is an action"},
             {h + "MAIN-VOL = 3\nmain-vol = 4\n", 3, "MAIN-VOL is given twice"},
             {h + "name = a\nname = b\n", 3, "name is given twice"},
             {h + "MAIN-VOL = 64\n", 2, "MAIN-VOL = \"64\": out of range 0..63"},
             {h + "SW-FREQ = 49\n", 2, "out of range 50..250"},
             {h + "MAIN-VOL = 0x1F\n", 2, "not a whole number"},
             {h + "MAIN-VOL = -1\n", 2, "not a whole number"},
             {h + "MAIN-VOL =\n", 2, "not a whole number"},
             {h + "MAIN-VOL = 31 # loud\n", 2, "not a whole number"},
             {h + "KEY = 5\n", 2, "not one of b-5, b-4"},
             {h + "name = \xFF\n", 2, "not UTF-8"},
             {h + "notes = a" + std::string(1, '\0') + "b\n", 2, "not UTF-8"},
         }) {
        SceneTextResult read = ReadSceneText(c.text);
        EXPECT_FALSE(read.scene) << c.text;
        EXPECT_EQ(read.error.line, c.line) << c.text;
        EXPECT_NE(read.error.reason.find(c.reason), std::string::npos)
            << c.text << " -> " << read.error.reason;
    }
}

TEST(SceneText, EveryValueOfEveryParameterWritesAndReadsBack) {
    Scene full;
    for (const CommandRow& row : CommandTable())
        if (IsSceneParameter(row)) full.Set(row, row.maxValue);
    Scene low;
    for (const CommandRow& row : CommandTable())
        if (IsSceneParameter(row)) low.Set(row, row.minValue);
    for (const Scene* scene : {&full, &low}) {
        SceneTextResult read = ReadSceneText(WriteSceneText(*scene));
        ASSERT_TRUE(read.scene) << read.error.reason;
        EXPECT_EQ(*read.scene, *scene);
        EXPECT_EQ(read.scene->Settings().size(), CommandTable().size() - 2);
    }
}

}  // namespace
}  // namespace dsp
