// The main window's side of the schedule: its timer, the wallpaper calls and the stored
// settings, over the core's rules.
#include "app/MainDlg.h"
#include "app/MainWindowIds.h"
#include "framework/SystemServices.h"

void CMainDlg::LoadSettings() {
    if (auto missing = m_settings.Load(*this)) {
        ShowMessage(*missing);
    }
    m_settings.MarkVersion();
}

void CMainDlg::SaveSettings() {
    m_settings.Save(*this, fw::_strdate());
}

void CMainDlg::SaveLastIndex() {
    m_settings.SaveLastIndex(m_nLastIndex);
}

void CMainDlg::SaveDay() {
    m_settings.SaveDay(fw::_strdate());
}

void CMainDlg::SaveAutoLaunch() {
    m_settings.SaveAutoLaunch();
}

void CMainDlg::PickNextIndex(int n) {
    core::Schedule::PickNextIndex(n, DrawSeededRandom);
}

void CMainDlg::ChangeWallpaper() {
    KillTimer(ID_TIMER_CHANGE);
    int count = Shown(m_list.Count());
    core::ChangeStep step = PlanChange(count, fw::_strdate(), DrawSeededRandom);
    if (step.timerPeriod) {
        SetTimer(ID_TIMER_CHANGE, *step.timerPeriod);
    }
    if (step.applyEntry) {
        ApplyEntry(m_nLastIndex);
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
    // A box this tick opens runs a message loop of its own, in which the timer goes on
    // ticking: those ticks pass, rather than stack box upon box.
    if (m_bTicking) {
        return;
    }
    m_bTicking = true;
    PickNextIndex(m_nEntryCount);
    if (auto path = ApplyEntry(m_nLastIndex)) {
        SetWindowTextA(path->c_str());
    }
    SaveLastIndex();
    SaveDay();
    m_bTicking = false;
    Default();
}

void CMainDlg::OnSetAsWallpaper() {
    if (m_strImagePath.empty()) {
        ShowMessage({core::MessageId::NoImageLoaded});
        return;
    }
    SetWallpaper(m_strImagePath);
    AddToList(m_strImagePath);
}

void CMainDlg::SetWallpaper(std::string path) {
    fw::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.c_str(), SPIF_SENDCHANGE);
}

std::optional<std::string> CMainDlg::ApplyEntry(int i) {
    std::optional<std::string> path = Shown(m_list.Entry(i, m_nEntryCount));
    if (path) {
        SetWallpaper(*path);
    }
    return path;
}
