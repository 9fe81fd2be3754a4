// `dsp-panel skin-info N`: the pictures it describes are those of the skin
// folder the build packed, read here straight from the committed BMP files.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "main/cli/skin_info_command.h"
#include "platform/graphics/bmp_file.h"
#include "platform/graphics/file_bytes.h"
#include "tests/main/cli_run.h"

namespace dsp {
namespace {

using Result = test::CliResult;

Result RunSkinInfo(const std::vector<std::string>& args) { return test::RunCli(RunSkinInfoCommand, args); }

std::string SkinFile(int number, const std::string& name) {
    return std::string(DSP_TEST_DATA) + "/../../resources/skins/skin" + std::to_string(number) + "/" + name;
}

TEST(SkinInfoCommand, DescribesThePackedFolder) {
    for (int n = 1; n <= 3; ++n) {
        std::string number = std::to_string(n);
        Result r = RunSkinInfo({number});
        ASSERT_EQ(r.status, 0) << r.err;
        std::vector<std::uint8_t> bytes;
        ASSERT_EQ(ReadFileBytes(SkinFile(n, "frame.bmp"), bytes), 0);
        Bitmap frame = DecodeBmp(bytes);
        std::string line = "main picture frame.bmp: " + std::to_string(frame.Width()) + " x " +
                           std::to_string(frame.Height()) + ", 24 bits";
        EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("mask frame_mask.bmp: " + std::to_string(frame.Width()) + " x " +
                             std::to_string(frame.Height()) + ", 1 bit,"),
                  std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("picture 0 controls.bmp: "), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("\nsections: "), std::string::npos) << r.out;
    }
}

TEST(SkinInfoCommand, RefusesNumbersOutsideOneToThree) {
    for (auto args : std::vector<std::vector<std::string>>{{}, {"0"}, {"4"}, {"12"}, {"1", "2"}, {"x"}}) {
        Result r = RunSkinInfo(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: dsp-panel skin-info N"), std::string::npos);
    }
}

}  // namespace
}  // namespace dsp
