#include "serial/ecomport.h"

#include <gtest/gtest.h>

namespace dsp {
namespace {

TEST(EComPort, WithSystemCodeAppendsTheSuffix) {
    EComPort open(CE_OPEN_FAILED, 2);
    EXPECT_STREQ(open.what(), "Unable to open com port (win error code: 2)");
    EXPECT_EQ(open.ErrorNumber(), 1);
    EXPECT_EQ(open.SystemErrorCode(), 2);
    EXPECT_STREQ(EComPort(CE_WRITE_FAILED, 22).what(), "WriteFile function failed (win error code: 22)");
    EXPECT_STREQ(EComPort(CE_WRITE_FAILED, 0).what(), "WriteFile function failed (win error code: 0)");
}

TEST(EComPort, WithoutSystemCodeIsTheTextAlone) {
    EComPort e(CE_CONNECT_CHANGE_PROP);
    EXPECT_STREQ(e.what(), "Cannot set property while connected");
    EXPECT_EQ(e.SystemErrorCode(), -1);
    EXPECT_EQ(e.ErrorNumber(), 14);
    EXPECT_STREQ(EComPort(CE_REG_ERROR).what(), "Registry error");
}

TEST(EComPort, PercentInATranslatedTextIsNotAFormat) {
    EXPECT_EQ(FormatComPortMessage("100%s %d done", " (code %d, 50%%)", 5), "100%s %d done (code 5, 50%)");
    EXPECT_EQ(FormatComPortMessage("x", " no code here %s", 5), "x no code here %s");
    EXPECT_EQ(FormatComPortMessage("x", " %d %d", 7), "x 7 %d");
    SetComPortMessage(CE_READ_FAILED, "Lesen %n %s fehlgeschlagen");
    EXPECT_STREQ(EComPort(CE_READ_FAILED, 9).what(), "Lesen %n %s fehlgeschlagen (win error code: 9)");
    SetComPortMessage(CE_READ_FAILED, "ReadFile function failed");
}

TEST(EComPort, OutOfRangeNumbersGiveAnEmptyText) {
    EXPECT_STREQ(EComPort(0).what(), "");
    EXPECT_STREQ(EComPort(24).what(), "");
}

}  // namespace
}  // namespace dsp
