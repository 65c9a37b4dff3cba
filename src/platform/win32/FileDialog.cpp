// CFileDialog over COMDLG32's open and save dialogs.
#include "framework/FileDialog.h"
#include "platform/win32/FileFilter.h"

#include <commdlg.h>

int CFileDialog::DoModal() {
    const std::string filter = SystemFileFilter(m_strFilter);
    char path[MAX_PATH] = {};
    m_strFileName.copy(path, sizeof path - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
    dialog.Flags = m_dwFlags | OFN_EXPLORER;
    dialog.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen) {
        return IDCANCEL;
    }
    m_strPathName = path;
    return IDOK;
}
