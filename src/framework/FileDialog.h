// CFileDialog: the system's modal file chooser.
#pragma once

#include "framework/Wnd.h"

#include <string>

class CFileDialog {
public:
    // The filter is "Description|patterns|...||", patterns separated by ';'.
    CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                const char* lpszFilter, CWnd* pParentWnd);

    // IDOK with a path chosen, IDCANCEL otherwise.
    int DoModal();
    std::string GetPathName() const { return m_strPathName; }

    std::string m_strTitle;  // the dialog's caption; empty for the system's own

    const BOOL m_bOpenFileDialog;
    const std::string m_strDefExt;
    const std::string m_strFileName;
    const DWORD m_dwFlags;
    const std::string m_strFilter;
    CWnd* const m_pParentWnd;

private:
    std::string m_strPathName;
};
