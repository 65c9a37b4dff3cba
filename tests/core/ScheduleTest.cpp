// When the wallpaper changes and which entry comes next.
#include "core/Schedule.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

namespace {

using namespace core;

TEST(Schedule, TheMinutesGiveTheTimerPeriodInWholeMilliseconds) {
    constexpr unsigned MAX = TIMER_PERIOD_MAXIMUM;
    const std::pair<float, unsigned> periods[] = {{0.0f, 30000}, {-2.0f, 30000}, {NAN, 30000}, {0.5f, 30000},
        {0.1f, 6000}, {30.0f, 1800000}, {0.0001f, 6},
        // Beyond what the timer holds: the longest period instead of a wrapped one.
        {35791.0f, 2147459968} /* 35791 x 60000 in single precision */, {35792.0f, MAX}, {1e30f, MAX}, {INFINITY, MAX}};
    for (auto [mins, period] : periods) {
        Schedule schedule{.m_nFreq = FREQ_MINUTES, .m_fMins = mins, .m_nLastIndex = 2};
        ChangeStep step = schedule.PlanChange(3, "03/15/24", [] { return 0; });
        EXPECT_EQ(step.timerPeriod, period) << mins;
        EXPECT_FALSE(step.applyEntry);
        EXPECT_EQ(schedule.m_nLastIndex, 2);
    }
}

// pick, last index, entries, drawn number (-1: none may be drawn), next index
TEST(Schedule, TheNextIndexIsTheFollowingEntryOrADrawnOne) {
    const std::tuple<int, int, int, int, int> cases[] = {
        {PICK_SEQUENTIAL, 1, 3, -1, 2}, {PICK_SEQUENTIAL, 3, 3, -1, 1} /* wraps to the first entry */,
        {PICK_SEQUENTIAL, 0, 3, -1, 1} /* left by a random pick */, {PICK_SEQUENTIAL, INT_MAX, 3, -1, 1},
        {PICK_SEQUENTIAL, 4, 0, -1, 1}, {PICK_RANDOM, 1, 3, 7, 1},
        {5, 1, 1, 9, 0} /* any pick but sequential is random; 0 reads the last line */, {PICK_RANDOM, 4, 0, -1, 0}};
    for (auto [pick, last, n, drawn, next] : cases) {
        Schedule schedule{.m_nPick = pick, .m_nLastIndex = last};
        int draws = 0;
        schedule.PickNextIndex(n, [&, drawn = drawn] { return ++draws, drawn; });
        EXPECT_EQ(schedule.m_nLastIndex, next) << pick << " " << last << " " << n;
        EXPECT_EQ(draws, drawn < 0 ? 0 : 1);
    }
}

// frequency, day read at start-up, next index, whether the entry is applied now
TEST(Schedule, EachFrequencySaysWhetherToApplyAnEntryNow) {
    const std::tuple<int, const char*, int, bool> cases[] = {{FREQ_EVERYRUN, "03/15/24", 3, true},
        {FREQ_DAILY, "", 3, true} /* no day stored yet: a new day */, {FREQ_DAILY, "03/14/24", 3, true},
        {FREQ_DAILY, "03/15/24", 2, true} /* the same day repeats the entry */,
        {7, "03/14/24", 2, false} /* an unknown frequency never changes */};
    for (auto [freq, storedDay, next, apply] : cases) {
        Schedule schedule{.m_nPick = PICK_SEQUENTIAL, .m_nFreq = freq, .m_nLastIndex = 2};
        std::strcpy(schedule.m_szDay, storedDay);
        ChangeStep step = schedule.PlanChange(4, "03/15/24", [] { return 0; });
        EXPECT_EQ(schedule.m_nLastIndex, next) << freq << " " << storedDay;
        EXPECT_EQ(step.applyEntry, apply);
        EXPECT_EQ(step.timerPeriod, std::nullopt);
        EXPECT_EQ(schedule.m_nEntryCount, 4);
    }
}

}  // namespace
