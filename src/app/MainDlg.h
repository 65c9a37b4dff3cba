// CMainDlg: the main window. It holds the program's state (the current image, the
// schedule, the Image List, the settings, the icon), receives every command, timer and
// tray message, and shows what the core's steps report, in the order they report it.
#pragma once

#include "app/CoreServices.h"
#include "core/CurrentImage.h"
#include "core/ImageList.h"
#include "core/Schedule.h"
#include "core/Settings.h"
#include "framework/Dialog.h"
#include "resources/ResourceIds.h"

#include <optional>
#include <string>
#include <utility>

// The schedule's fields (m_nPick, m_nFreq, m_fMins, m_fElapse, m_nLastIndex, m_szDay) are
// the window's own, as they have always been.
class CMainDlg : public CDialog, public core::Schedule {
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
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
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
    // Shows a message of the core with its caption and flags.
    void ShowMessage(const core::Message& message);
    // The outcome's value, once its failure, if any, is shown.
    template <typename T>
    T Shown(core::Outcome<T> outcome) {
        if (outcome.failure) {
            ShowMessage(*outcome.failure);
        }
        return std::move(outcome.value);
    }

    bool m_bTicking = false;  // a change tick is running (its box may be open)
    HostFileSystem m_files;
    RegistryStore m_registry;
    core::ImageList m_list{m_files};
    core::Settings m_settings{m_registry};
};
