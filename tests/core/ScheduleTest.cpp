// When the wallpaper changes and which entry comes next.
#include "core/Schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <climits>
#include <cstring>

namespace {

using namespace core;

TEST(Schedule, TheMinutesGiveTheTimerPeriodInWholeMilliseconds) {
    const std::pair<float, unsigned> periods[] = {
        {0.0f, 30000}, {-2.0f, 30000}, {NAN, 30000}, {0.5f, 30000}, {0.1f, 6000}, {30.0f, 1800000},
        {0.0001f, 6},
        // Beyond what the timer holds: the longest period instead of a wrapped one.
        {35791.0f, 2147459968},  // 35791 x 60000 in single precision
        {35792.0f, TIMER_PERIOD_MAXIMUM}, {1e30f, TIMER_PERIOD_MAXIMUM}, {INFINITY, TIMER_PERIOD_MAXIMUM},
    };
    for (auto [mins, period] : periods) {
        Schedule schedule{.m_nFreq = FREQ_MINUTES, .m_fMins = mins, .m_nLastIndex = 2};
        ChangeStep step = schedule.PlanChange(3, "03/15/24", [] { return 0; });
        EXPECT_EQ(step.timerPeriod, period) << mins;
        EXPECT_FALSE(step.applyEntry);
        EXPECT_EQ(schedule.m_nLastIndex, 2);
    }
}

TEST(Schedule, TheNextIndexIsTheFollowingEntryOrADrawnOne) {
    struct Case {
        int pick, last, n, drawn, next;
    };
    const Case cases[] = {
        {PICK_SEQUENTIAL, 1, 3, 0, 2},
        {PICK_SEQUENTIAL, 3, 3, 0, 1},  // wraps to the first entry
        {PICK_SEQUENTIAL, 0, 3, 0, 1},  // left by a random pick
        {PICK_SEQUENTIAL, INT_MAX, 3, 0, 1},
        {PICK_SEQUENTIAL, 4, 0, 0, 1},
        {PICK_RANDOM, 1, 3, 7, 1},
        {5, 1, 1, 9, 0},  // any pick but sequential is random; 0 reads the last line
        {PICK_RANDOM, 4, 0, -1, 0},  // nothing drawn from an empty list
    };
    for (const Case& c : cases) {
        Schedule schedule{.m_nPick = c.pick, .m_nLastIndex = c.last};
        int draws = 0;
        schedule.PickNextIndex(c.n, [&] { return ++draws, c.drawn; });
        EXPECT_EQ(schedule.m_nLastIndex, c.next) << c.pick << " " << c.last << " " << c.n;
        EXPECT_EQ(draws, c.drawn < 0 || c.pick == PICK_SEQUENTIAL ? 0 : 1);
    }
}

TEST(Schedule, EachFrequencySaysWhetherToApplyAnEntryNow) {
    struct Case {
        int freq;
        const char* storedDay;
        int next;
        bool apply;
    };
    const Case cases[] = {
        {FREQ_EVERYRUN, "03/15/24", 3, true},
        {FREQ_DAILY, "", 3, true},  // no day stored yet: a new day
        {FREQ_DAILY, "03/14/24", 3, true},
        {FREQ_DAILY, "03/15/24", 2, true},  // the same day repeats the entry
        {7, "03/14/24", 2, false},          // an unknown frequency never changes
    };
    for (const Case& c : cases) {
        Schedule schedule{.m_nPick = PICK_SEQUENTIAL, .m_nFreq = c.freq, .m_nLastIndex = 2};
        std::strcpy(schedule.m_szDay, c.storedDay);
        ChangeStep step = schedule.PlanChange(4, "03/15/24", [] { return 0; });
        EXPECT_EQ(schedule.m_nLastIndex, c.next) << c.freq << " " << c.storedDay;
        EXPECT_EQ(step.applyEntry, c.apply);
        EXPECT_EQ(step.timerPeriod, std::nullopt);
        EXPECT_EQ(schedule.m_nEntryCount, 4);
    }
}

}  // namespace
