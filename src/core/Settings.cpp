#include "core/Settings.h"

#include "core/SettingText.h"

#include <algorithm>
#include <cstdio>

namespace core {
namespace {

constexpr std::string_view KEY_PREFIX = "Software\\Shareware\\Kaleidra\\3.0\\";

constexpr float DEFAULT_MINS = 30.0f;
constexpr float MISSING_MINS = 0.5f;
constexpr int DEFAULT_LASTINDEX = 1;

// A stored text of 20 characters or more doesn't fit and counts as missing.
constexpr std::size_t SETTING_BUFFER_BYTES = 20;

// Minutes beyond the longest timer period run at that period; stored as that many, they
// keep a text the next start can read.
constexpr float MAX_STORED_MINS = TIMER_PERIOD_MAXIMUM / 60000.0f;

}  // namespace

std::optional<std::string> Settings::Read(std::string_view name) const {
    return m_store.Read(std::string(KEY_PREFIX).append(name), SETTING_BUFFER_BYTES);
}

void Settings::Write(std::string_view name, const std::string& text) {
    m_store.Write(std::string(KEY_PREFIX).append(name), text);
}

std::optional<Message> Settings::Load(Schedule& schedule) const {
    std::optional<Message> missingMins;
    if (auto freq = Read("freq")) {
        schedule.m_nFreq = ParseSettingInt(*freq);
        if (auto mins = Read("mins")) {
            schedule.m_fMins = ParseSettingFloat(*mins);
        } else {
            missingMins = Message{MessageId::MissingMinutes};
            schedule.m_fMins = MISSING_MINS;
        }
    } else {
        schedule.m_nFreq = FREQ_MINUTES;
        schedule.m_fMins = DEFAULT_MINS;
    }
    auto pick = Read("pick");
    schedule.m_nPick = pick ? ParseSettingInt(*pick) : PICK_SEQUENTIAL;
    auto lastIndex = Read("lastindex");
    schedule.m_nLastIndex = lastIndex ? ParseSettingInt(*lastIndex) : DEFAULT_LASTINDEX;
    if (auto day = Read("day")) {
        std::snprintf(schedule.m_szDay, sizeof schedule.m_szDay, "%s", day->c_str());
    }
    return missingMins;
}

void Settings::MarkVersion() {
    Write("ver", "3.0");
}

void Settings::Save(const Schedule& schedule, std::string_view today) {
    Write("pick", std::to_string(schedule.m_nPick));
    Write("freq", std::to_string(schedule.m_nFreq));
    Write("mins", FormatSettingFloat(std::clamp(schedule.m_fMins, -MAX_STORED_MINS, MAX_STORED_MINS)));
    SaveLastIndex(schedule.m_nLastIndex);
    SaveDay(today);
}

void Settings::SaveLastIndex(int index) {
    Write("lastindex", std::to_string(index));
}

void Settings::SaveDay(std::string_view today) {
    Write("day", std::string(today));
}

void Settings::SaveAutoLaunch() {
    Write("autolaunch", "1");
}

}  // namespace core
