// Parameters as addresses and OSC values.

#include "main/remote/osc_params.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dsp {
namespace {

TEST(OscParamsTest, EveryParameterHasItsLowerCaseAddress) {
    for (const CommandRow& row : CommandTable()) {
        const std::string address = OscAddress(row);
        EXPECT_EQ(FindOscParameter(address), &row) << address;
        for (char c : address) EXPECT_FALSE(std::isupper(static_cast<unsigned char>(c))) << address;
    }
    EXPECT_EQ(OscAddress(*FindCommand("MAIN-VOL")), "/dsp/main-vol");
    EXPECT_EQ(FindOscParameter("/dsp/MAIN-VOL"), nullptr);
    EXPECT_EQ(FindOscParameter("/dsp/main-vol/norm"), nullptr);
    EXPECT_EQ(FindOscParameter("/main-vol"), nullptr);
}

TEST(OscParamsTest, ValuesComeAsNumbersItemTextsOrFaderPositions) {
    const CommandRow& main = *FindCommand("MAIN-VOL");  // 0..63
    const CommandRow& key = *FindCommand("KEY");        // items, 0..10
    const CommandRow& freq = *FindCommand("SW-FREQ");   // 50..250
    EXPECT_EQ(OscValue(main, 31), 31);
    EXPECT_EQ(OscValue(main, 64), std::nullopt);
    EXPECT_EQ(OscValue(main, -1), std::nullopt);
    EXPECT_EQ(OscValue(key, std::string("b-5")), 0);
    EXPECT_EQ(OscValue(key, std::string("#+5")), 10);
    EXPECT_EQ(OscValue(key, std::string("b-6")), std::nullopt);
    EXPECT_EQ(OscValue(freq, 0.0f), 50);
    EXPECT_EQ(OscValue(freq, 1.0f), 250);
    // 31.5 and 0.5 round to the even neighbour, as the window rounds.
    EXPECT_EQ(OscValue(main, 0.5f), 32);
    EXPECT_EQ(OscValue(*FindCommand("CENTER"), 0.5f), 0);
    for (float bad :
         {-0.01f, 1.01f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()})
        EXPECT_EQ(OscValue(main, bad), std::nullopt) << bad;
}

// The fader position a subscriber gets maps back to the same value.
TEST(OscParamsTest, NormPositionsMapBackToTheirValues) {
    for (const CommandRow& row : CommandTable())
        for (int value = row.minValue; value <= row.maxValue; ++value)
            EXPECT_EQ(OscValue(row, OscNorm(row, value)), value) << row.name << " " << value;
}

}  // namespace
}  // namespace dsp
