// Reading and writing the texts of stored settings.
#include "core/SettingText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

using namespace core;

TEST(SettingText, NumbersReadAsAtoiAndAtofDoWithoutOverflowing) {
    constexpr int MAX = std::numeric_limits<int>::max(), MIN = std::numeric_limits<int>::min();
    const std::pair<const char*, int> ints[] = {{"42", 42}, {" \t-17abc", -17}, {"+3", 3}, {"- 1", 0},
        {"9999999999999999999", MAX}, {"-9999999999999999999", MIN}, {"-2147483648", MIN}};
    for (auto [text, value] : ints) {
        EXPECT_EQ(ParseSettingInt(text), value) << text;
    }
    constexpr float INF = std::numeric_limits<float>::infinity();
    const std::pair<const char*, float> floats[] = {{"30.00", 30.0f}, {"  2.5minutes", 2.5f}, {"+.5", 0.5f},
        {"thirty", 0.0f}, {"1e39", INF}, {"-1e999", -INF}, {"1e-999", 0.0f}};
    for (auto [text, value] : floats) {
        EXPECT_EQ(ParseSettingFloat(text), value) << text;
    }
    EXPECT_TRUE(std::isnan(ParseSettingFloat("nan")));
}

TEST(SettingText, MinutesAreWrittenWithTwoDecimalsInAnyLocale) {
    EXPECT_EQ(FormatSettingFloat(-2.5f), "-2.50");
    // A host that takes the user's locale (Qt does) must still write a point.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(FormatSettingFloat(2.5f), "2.50");
        EXPECT_EQ(ParseSettingFloat("2.50"), 2.5f);
        std::setlocale(LC_ALL, "C");
    }
}

}  // namespace
