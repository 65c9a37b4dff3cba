// Reading and writing the texts of stored settings.
#include "core/SettingText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

using namespace core;

TEST(SettingText, IntegersReadAsAtoiDoesWithoutOverflowing) {
    EXPECT_EQ(ParseSettingInt("42"), 42);
    EXPECT_EQ(ParseSettingInt(" \t-17abc"), -17);
    EXPECT_EQ(ParseSettingInt("+3"), 3);
    EXPECT_EQ(ParseSettingInt("- 1"), 0);
    EXPECT_EQ(ParseSettingInt("9999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseSettingInt("-9999999999999999999"), std::numeric_limits<int>::min());
    EXPECT_EQ(ParseSettingInt("-2147483648"), std::numeric_limits<int>::min());
}

TEST(SettingText, FloatsReadAsAtofDoesNarrowedToFloat) {
    EXPECT_EQ(ParseSettingFloat("30.00"), 30.0f);
    EXPECT_EQ(ParseSettingFloat("  2.5minutes"), 2.5f);
    EXPECT_EQ(ParseSettingFloat("+.5"), 0.5f);
    EXPECT_EQ(ParseSettingFloat("thirty"), 0.0f);
    EXPECT_TRUE(std::isnan(ParseSettingFloat("nan")));
    EXPECT_EQ(ParseSettingFloat("1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ParseSettingFloat("-1e999"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(ParseSettingFloat("1e-999"), 0.0f);
}

TEST(SettingText, MinutesAreWrittenWithTwoDecimalsInAnyLocale) {
    EXPECT_EQ(FormatSettingFloat(30.0f), "30.00");
    EXPECT_EQ(FormatSettingFloat(0.333f), "0.33");
    EXPECT_EQ(FormatSettingFloat(-2.5f), "-2.50");
    // A host that takes the user's locale (Qt does) must still write a point.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(FormatSettingFloat(2.5f), "2.50");
        EXPECT_EQ(ParseSettingFloat("2.50"), 2.5f);
        std::setlocale(LC_ALL, "C");
    }
}

}  // namespace
