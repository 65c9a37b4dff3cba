// The schedule kept between runs: one registry key per value, each holding a text.
#include "app/MainDlg.h"
#include "app/ProgramGlobals.h"
#include "framework/SystemServices.h"
#include "rotation/SettingText.h"

#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr const char* KEY_PICK = "Software\\Shareware\\Kaleidra\\3.0\\pick";
constexpr const char* KEY_FREQ = "Software\\Shareware\\Kaleidra\\3.0\\freq";
constexpr const char* KEY_MINS = "Software\\Shareware\\Kaleidra\\3.0\\mins";
constexpr const char* KEY_LASTINDEX = "Software\\Shareware\\Kaleidra\\3.0\\lastindex";
constexpr const char* KEY_DAY = "Software\\Shareware\\Kaleidra\\3.0\\day";
constexpr const char* KEY_VER = "Software\\Shareware\\Kaleidra\\3.0\\ver";
constexpr const char* KEY_AUTOLAUNCH = "Software\\Shareware\\Kaleidra\\3.0\\autolaunch";

constexpr float DEFAULT_MINS = 30.0f;
constexpr float MISSING_MINS = 0.5f;
constexpr int DEFAULT_LASTINDEX = 1;

// A stored text of 20 characters or more doesn't fit and counts as missing.
constexpr LONG SETTING_BUFFER_BYTES = 20;

std::optional<std::string> ReadSetting(const char* key) {
    char text[SETTING_BUFFER_BYTES] = {};
    LONG size = sizeof text;
    if (fw::RegQueryValueA(HKEY_LOCAL_MACHINE, key, text, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(text, strnlen(text, sizeof text));
}

// A refused write is not reported: the program goes on with its fields.
void WriteSetting(const char* key, const std::string& text) {
    fw::RegSetValueA(HKEY_LOCAL_MACHINE, key, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

}  // namespace

void CMainDlg::LoadSettings() {
    if (auto freq = ReadSetting(KEY_FREQ)) {
        m_nFreq = ParseSettingInt(*freq);
        if (auto mins = ReadSetting(KEY_MINS)) {
            m_fMins = ParseSettingFloat(*mins);
        } else {
            MessageBoxA("missing mins error in doregstuff");
            m_fMins = MISSING_MINS;
        }
    } else {
        m_nFreq = FREQ_MINUTES;
        m_fMins = DEFAULT_MINS;
    }
    auto pick = ReadSetting(KEY_PICK);
    m_nPick = pick ? ParseSettingInt(*pick) : PICK_SEQUENTIAL;
    auto lastIndex = ReadSetting(KEY_LASTINDEX);
    m_nLastIndex = lastIndex ? ParseSettingInt(*lastIndex) : DEFAULT_LASTINDEX;
    if (auto day = ReadSetting(KEY_DAY)) {
        std::snprintf(m_szDay, sizeof m_szDay, "%s", day->c_str());
    }
    WriteSetting(KEY_VER, "3.0");
}

void CMainDlg::SaveSettings() {
    WriteSetting(KEY_PICK, std::to_string(m_nPick));
    WriteSetting(KEY_FREQ, std::to_string(m_nFreq));
    WriteSetting(KEY_MINS, FormatSettingFloat(m_fMins));
    SaveLastIndex();
    SaveDay();
}

void CMainDlg::SaveLastIndex() {
    WriteSetting(KEY_LASTINDEX, std::to_string(m_nLastIndex));
}

void CMainDlg::SaveDay() {
    WriteSetting(KEY_DAY, fw::_strdate());
}

// Written when the start-up shortcut is made; nothing reads it.
void CMainDlg::SaveAutoLaunch() {
    WriteSetting(KEY_AUTOLAUNCH, "1");
}
