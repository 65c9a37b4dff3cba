// When the wallpaper changes and which entry of the Image List comes next.
#include "rotation/WallpaperRotation.h"

#include "app/MainDlg.h"
#include "app/ProgramGlobals.h"
#include "common/NoCase.h"
#include "framework/SystemServices.h"
#include "resources/StringTable.h"
#include "rotation/ImageListFile.h"
#include "rotation/ListFile.h"


namespace {

constexpr float MS_PER_MINUTE = 60000.0f;
constexpr float FALLBACK_ELAPSE_MS = 30000.0f;

// Whole milliseconds for a positive period; a period the timer can't hold (beyond 32
// bits, about 24.8 days) runs at the longest it can instead of wrapping to a short one.
UINT TimerPeriod(float elapse) {
    if (elapse >= static_cast<float>(USER_TIMER_MAXIMUM)) {
        return USER_TIMER_MAXIMUM;
    }
    return static_cast<UINT>(elapse);
}

}  // namespace

int RandomIndex(int n) {
    fw::srand(static_cast<unsigned>(fw::time()));
    return n > 0 ? fw::rand() % n : 0;
}

void CMainDlg::PickNextIndex(int n) {
    if (m_nPick == PICK_SEQUENTIAL) {
        m_nLastIndex = m_nLastIndex >= n ? 1 : m_nLastIndex + 1;
    } else {
        m_nLastIndex = RandomIndex(n);
    }
}

void CMainDlg::ChangeWallpaper() {
    KillTimer(ID_TIMER_CHANGE);
    g_nEntryCount = CountListEntries(g_strListPath);
    switch (m_nFreq) {
    case FREQ_MINUTES:
        m_fElapse = m_fMins * MS_PER_MINUTE;
        if (!(m_fElapse > 0.0f)) {
            m_fElapse = FALLBACK_ELAPSE_MS;
        }
        SetTimer(ID_TIMER_CHANGE, TimerPeriod(m_fElapse));
        break;
    case FREQ_EVERYRUN:
        PickNextIndex(g_nEntryCount);
        ApplyEntry(m_nLastIndex);
        break;
    case FREQ_DAILY:
        if (!EqualsNoCase(fw::_strdate(), m_szDay)) {
            PickNextIndex(g_nEntryCount);
        }
        ApplyEntry(m_nLastIndex);
        break;
    default:
        break;
    }
    SaveLastIndex();
    SaveDay();
}

void CMainDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == ID_TIMER_HIDE) {
        ShowWindow(SW_HIDE);
        KillTimer(ID_TIMER_HIDE);
        return;
    }
    PickNextIndex(g_nEntryCount);
    if (auto path = ApplyEntry(m_nLastIndex)) {
        SetWindowTextA(path->c_str());
    }
    SaveLastIndex();
    SaveDay();
    Default();
}

void CMainDlg::OnSetAsWallpaper() {
    if (m_strImagePath.empty()) {
        MessageBoxA(LoadStringA(IDS_NO_IMAGE_LOADED).c_str(), g_strAppName.c_str(), MB_OK);
        return;
    }
    SetWallpaper(m_strImagePath);
    AddToList(m_strImagePath);
}

void CMainDlg::SetWallpaper(std::string path) {
    fw::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.c_str(), SPIF_SENDCHANGE);
}

std::optional<std::string> CMainDlg::ApplyEntry(int i) {
    std::optional<std::string> path = ReadListEntry(g_strListPath, i);
    if (path) {
        StripLineBreak(*path);
        SetWallpaper(*path);
    }
    return path;
}
