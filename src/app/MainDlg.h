// CMainDlg: the main window. It holds the program's state and receives every command
// and timer; each subsystem defines the member functions it owns in its own folder.
#pragma once

#include "framework/Dialog.h"

#include <optional>
#include <string>

// Ids of the main window's template and commands.
inline constexpr UINT IDD_MAIN = 102;
inline constexpr UINT ID_SET_AS_WALLPAPER = 1008;

class CMainDlg : public CDialog {
public:
    explicit CMainDlg(CWnd* pParent = nullptr);

    // Image List file.
    void MigrateOldList();
    int AddToList(std::string path);

    // Settings store.
    void LoadSettings();
    void SaveSettings();
    void SaveLastIndex();
    void SaveDay();

    // Wallpaper rotation.
    void ChangeWallpaper();
    void SetWallpaper(std::string path);
    void PickNextIndex(int n);

    std::string m_strImagePath;  // the current image; empty until one is opened

    int m_nPick = 0;
    int m_nFreq = 0;
    float m_fMins = 0.0f;
    float m_fElapse = 0.0f;
    int m_nLastIndex = 0;
    char m_szDay[128] = {};

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;

    void OnTimer(UINT_PTR nIDEvent);
    void OnSetAsWallpaper();

private:
    // Applies list entry i as the wallpaper; the applied path, or nothing when the
    // list gave no entry.
    std::optional<std::string> ApplyEntry(int i);
};
