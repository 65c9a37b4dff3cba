// CMainDlg: the main window. It holds the program's state (the current image, the
// schedule, the icon) and receives every command, timer and tray message; each
// subsystem defines the member functions it owns in its own folder.
#pragma once

#include "framework/Dialog.h"
#include "core/CurrentImage.h"
#include "resources/ResourceIds.h"

#include <optional>
#include <string>

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
    void SaveAutoLaunch();

    // Wallpaper rotation.
    void ChangeWallpaper();
    void SetWallpaper(std::string path);
    void PickNextIndex(int n);

    // Tray icon.
    void AddTrayIcon();
    void RemoveTrayIcon();

    // Preview.
    void DrawPreview();

    int m_nPick = 0;
    int m_nFreq = 0;
    float m_fMins = 0.0f;
    float m_fElapse = 0.0f;
    int m_nLastIndex = 0;
    char m_szDay[128] = {};

    HICON m_hIcon = nullptr;

    CurrentImage m_image;
    // The current image's path, under the name the rest of the window knows it by.
    std::string& m_strImagePath = m_image.m_strImagePath;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    std::optional<CtlColor> OnCtlColor(CWnd* pWnd, UINT nCtlColor);
    void OnSize(UINT nType, int cx, int cy);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnContextMenu(CWnd* pWnd, POINT point);
    void OnOpenImage();
    void OnDropFiles(HDROP hDropInfo);
    void OnAddCurrentToList();
    void OnSetAsWallpaper();
    void OnViewImageList();
    void OnOptions();
    void OnHelpTopics();
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    void OnAbout();
    void OnAutoLaunch();

    void Cleanup();

private:
    // Hides the splash picture, opens the current path and repaints.
    void OpenCurrentPath();
    // Shows what an opening step has to say, in order.
    void ShowImageMessages(const CodecMessages& messages);
    // Applies list entry i as the wallpaper; the applied path, or nothing when the
    // list gave no entry.
    std::optional<std::string> ApplyEntry(int i);
};
