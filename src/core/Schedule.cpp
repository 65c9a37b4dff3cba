#include "core/Schedule.h"

#include <algorithm>
#include <cctype>

namespace core {
namespace {

constexpr float MS_PER_MINUTE = 60000.0f;
constexpr float FALLBACK_ELAPSE_MS = 30000.0f;

// Whole milliseconds for a positive period; a period the timer can't hold (beyond 32
// bits, about 24.8 days) runs at the longest it can instead of wrapping to a short one.
unsigned TimerPeriod(float elapse) {
    if (elapse >= static_cast<float>(TIMER_PERIOD_MAXIMUM)) {
        return TIMER_PERIOD_MAXIMUM;
    }
    return static_cast<unsigned>(elapse);
}

// As Windows compares dates: without regard to ASCII case.
bool SameDay(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return std::tolower(c); };
    return std::ranges::equal(a, b, {}, lower, lower);
}

}  // namespace

void Schedule::PickNextIndex(int n, const RandomDraw& draw) {
    if (m_nPick == PICK_SEQUENTIAL) {
        m_nLastIndex = m_nLastIndex >= n ? 1 : m_nLastIndex + 1;
    } else {
        m_nLastIndex = n > 0 ? draw() % n : 0;
    }
}

ChangeStep Schedule::PlanChange(int count, std::string_view today, const RandomDraw& draw) {
    m_nEntryCount = count;
    switch (m_nFreq) {
    case FREQ_MINUTES:
        m_fElapse = m_fMins * MS_PER_MINUTE;
        if (!(m_fElapse > 0.0f)) {
            m_fElapse = FALLBACK_ELAPSE_MS;
        }
        return {TimerPeriod(m_fElapse), false};
    case FREQ_EVERYRUN:
        PickNextIndex(count, draw);
        return {std::nullopt, true};
    case FREQ_DAILY:
        if (!SameDay(today, m_szDay)) {
            PickNextIndex(count, draw);
        }
        return {std::nullopt, true};
    default:
        return {};
    }
}

}  // namespace core
