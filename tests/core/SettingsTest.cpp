// The schedule as stored between runs: keys, defaults, formats and unreadable values.
#include "core/Settings.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace core;
using Values = std::map<std::string, std::string>;

constexpr const char* KEY = "Software\\Shareware\\Kaleidra\\3.0\\";

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
        values[KEY + name] = text;
    }
    return values;
}

TEST(Settings, LoadTakesEachValueOrItsDefault) {
    struct Case {
        Values stored;
        int freq;
        float mins;
        int pick, lastIndex;
        std::string day;
        std::optional<Message> shown;
    };
    const Case cases[] = {
        {{}, FREQ_MINUTES, 30.0f, PICK_SEQUENTIAL, 1, "", std::nullopt},
        {Stored({{"freq", "0"}}), FREQ_MINUTES, 0.5f, PICK_SEQUENTIAL, 1, "", Message{MessageId::MissingMinutes}},
        {Stored({{"freq", " 0junk"}, {"mins", "soon"}, {"pick", "5"}, {"lastindex", "-3x"}}), 0, 0.0f, 5, -3, "",
         std::nullopt},
        // Twenty characters or more count as missing; nineteen still fit.
        {Stored({{"freq", "2"}, {"mins", "00000000000000000002"}, {"lastindex", "0000000000000000007"}}), 2, 0.5f,
         PICK_SEQUENTIAL, 7, "", Message{MessageId::MissingMinutes}},
        {Stored({{"freq", "1"}, {"mins", "5"}, {"pick", "0"}, {"lastindex", "0"}, {"day", "03/14/24"}}), 1, 5.0f,
         PICK_RANDOM, 0, "03/14/24", std::nullopt},
    };
    for (const Case& c : cases) {
        FakeStore store;
        store.values = c.stored;
        Schedule schedule;
        EXPECT_EQ(Settings(store).Load(schedule), c.shown);
        EXPECT_EQ(store.values, c.stored);  // pick, freq and mins are stored only when saved
        EXPECT_EQ(schedule.m_nFreq, c.freq);
        EXPECT_EQ(schedule.m_fMins, c.mins);
        EXPECT_EQ(schedule.m_nPick, c.pick);
        EXPECT_EQ(schedule.m_nLastIndex, c.lastIndex);
        EXPECT_EQ(schedule.m_szDay, c.day);
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
}

}  // namespace
