// The schedule: when the wallpaper changes and which entry of the Image List comes next.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace core {

inline constexpr int FREQ_MINUTES = 0;
inline constexpr int FREQ_DAILY = FREQ_MINUTES + 1;
inline constexpr int FREQ_EVERYRUN = FREQ_DAILY + 1;

inline constexpr int PICK_RANDOM = 0;
inline constexpr int PICK_SEQUENTIAL = PICK_RANDOM + 1;

// The longest period a window's timer holds, in milliseconds (Windows' USER_TIMER_MAXIMUM).
inline constexpr unsigned TIMER_PERIOD_MAXIMUM = 0x7FFFFFFF;

inline constexpr int DAY_CHARS = 128;

// A number from the C library's generator just seeded with the current second, so two
// draws within the same second give the same number.
using RandomDraw = std::function<int()>;

// What a change step asks of the window, besides storing the index and the day.
struct ChangeStep {
    std::optional<unsigned> timerPeriod;  // (re)arm the change timer, in milliseconds
    bool applyEntry = false;              // apply entry m_nLastIndex now
};

// The schedule's fields keep the names the main window has always given them, since the
// main window carries them as its own.
struct Schedule {
    int m_nPick = 0;
    int m_nFreq = 0;
    float m_fMins = 0.0f;
    float m_fElapse = 0.0f;           // the timer period in milliseconds
    int m_nLastIndex = 0;             // the entry applied last; 0 stands for the last entry
    char m_szDay[DAY_CHARS] = {};     // the day read at start-up, MM/DD/YY
    int m_nEntryCount = 0;            // Image List entries counted by the last change step

    // Sequential: the next entry, wrapping to 1. Any other pick: a random index in 0..n-1.
    void PickNextIndex(int n, const RandomDraw& draw);
    // The rules of a change step over a list of count entries, today being the given day.
    ChangeStep PlanChange(int count, std::string_view today, const RandomDraw& draw);
};

}  // namespace core
