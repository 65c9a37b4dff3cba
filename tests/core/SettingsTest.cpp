// The schedule as stored between runs: keys, defaults, formats and unreadable values.
#include "core/SettingText.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <map>

namespace {

using namespace core;
using Values = std::map<std::string, std::string>;

// The registry's rule: a text is read only when it fits with its terminating zero.
class FakeStore : public KeyValueStore {
public:
    std::optional<std::string> Read(const std::string& keyPath, std::size_t capacity) const override {
        auto found = values.find(keyPath);
        if (found == values.end() || found->second.size() >= capacity) {
            return std::nullopt;
        }
        return found->second;
    }
    void Write(const std::string& keyPath, const std::string& text) override { values[keyPath] = text; }

    Values values;
};

Values Stored(std::initializer_list<std::pair<const std::string, std::string>> named) {
    Values values;
    for (const auto& [name, text] : named) {
        values["Software\\Shareware\\Kaleidra\\3.0\\" + name] = text;
    }
    return values;
}

// stored texts; then freq, mins, pick, last index and day as read, and the message shown
TEST(Settings, LoadTakesEachValueOrItsDefault) {
    const std::optional<Message> none, missingMins = Message{MessageId::MissingMinutes};
    const std::tuple<Values, int, float, int, int, std::string, std::optional<Message>> cases[] = {
        {{}, FREQ_MINUTES, 30.0f, PICK_SEQUENTIAL, 1, "", none},
        {Stored({{"freq", "0"}}), FREQ_MINUTES, 0.5f, PICK_SEQUENTIAL, 1, "", missingMins},
        {Stored({{"freq", " 0junk"}, {"mins", "soon"}, {"pick", "5"}, {"lastindex", "-3x"}}), 0, 0.0f, 5, -3, "", none},
        // Twenty characters or more count as missing; nineteen still fit.
        {Stored({{"freq", "2"}, {"mins", "00000000000000000002"}, {"lastindex", "0000000000000000007"}}), 2, 0.5f,
         PICK_SEQUENTIAL, 7, "", missingMins},
        {Stored({{"freq", "1"}, {"mins", "5"}, {"pick", "0"}, {"lastindex", "0"}, {"day", "03/14/24"}}), 1, 5.0f,
         PICK_RANDOM, 0, "03/14/24", none},
    };
    for (const auto& [stored, freq, mins, pick, lastIndex, day, shown] : cases) {
        FakeStore store;
        store.values = stored;
        Schedule schedule;
        EXPECT_EQ(Settings(store).Load(schedule), shown);
        EXPECT_EQ(store.values, stored);  // pick, freq and mins are stored only when saved
        EXPECT_EQ(std::tie(schedule.m_nFreq, schedule.m_fMins, schedule.m_nPick, schedule.m_nLastIndex),
                  std::tie(freq, mins, pick, lastIndex));
        EXPECT_EQ(schedule.m_szDay, day);
    }
}

TEST(Settings, EveryValueIsWrittenInItsFormat) {
    FakeStore store;
    Settings settings(store);
    settings.MarkVersion();
    settings.SaveAutoLaunch();
    settings.Save(Schedule{.m_nPick = PICK_RANDOM, .m_nFreq = FREQ_MINUTES, .m_fMins = 0.333f, .m_nLastIndex = 4},
                  "01/02/31");
    EXPECT_EQ(store.values, Stored({{"ver", "3.0"}, {"autolaunch", "1"}, {"pick", "0"}, {"freq", "0"},
                                    {"mins", "0.33"}, {"lastindex", "4"}, {"day", "01/02/31"}}));
    // Minutes too many for the timer are stored as its longest period, a text that reads back.
    for (float mins : {1e16f, -1e30f}) {
        Schedule loaded;
        settings.Save(Schedule{.m_fMins = mins}, "01/02/31");
        EXPECT_TRUE(!settings.Load(loaded) && std::abs(loaded.m_fMins) == 35791.39f) << mins << " " << loaded.m_fMins;
    }
}

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
