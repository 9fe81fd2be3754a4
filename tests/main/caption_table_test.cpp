#include "main/panel/caption_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dsp {
namespace {

TEST(CaptionTable, EnglishColumnsDifferOnlyForCenterAndKey) {
    std::set<std::string> differing;
    std::set<std::string> controls;
    for (const CaptionRow& row : CaptionTable()) {
        EXPECT_TRUE(controls.insert(std::string(row.control)).second) << "twice: " << row.control;
        if (row.englishActivation != row.englishChange) differing.insert(std::string(row.control));
    }
    EXPECT_EQ(differing, (std::set<std::string>{"bsSkinStdLabel2", "bsSkinStdLabel8"}));
    EXPECT_EQ(controls.size(), 36u);
}

TEST(CaptionTable, AnyIndexButZeroIsEnglish) {
    const CaptionRow& center = CaptionTable()[9];
    ASSERT_EQ(center.control, "bsSkinStdLabel2");
    EXPECT_EQ(CaptionText(center, 0, EnglishColumn::Change), "中置通道：");
    EXPECT_EQ(CaptionText(center, 1, EnglishColumn::Activation), "CENTER:");
    EXPECT_EQ(CaptionText(center, -1, EnglishColumn::Change), "CENTER");
    EXPECT_EQ(CaptionText(center, 7, EnglishColumn::Change), "CENTER");
}

TEST(CaptionTable, StatusTextsByLanguageAndSituation) {
    EXPECT_EQ(StatusText(ConnectionText::OpenedByButton, 1), "status: connect");
    EXPECT_EQ(StatusText(ConnectionText::RelabelOpen, 1), "status: connected");
    EXPECT_EQ(StatusText(ConnectionText::OpenFailed, 0), "状态: 连接出错");
    EXPECT_EQ(StatusText(ConnectionText::CloseFailed, -1), "status: disconnect error");
    EXPECT_EQ(StatusText(ConnectionText::RelabelClosed, 0), "状态: 未连接");
    EXPECT_EQ(ConnectButtonText(true, 0), "断开");
    EXPECT_EQ(ConnectButtonText(false, 1), "connect");
}

}  // namespace
}  // namespace dsp
