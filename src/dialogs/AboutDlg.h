// CAboutDlg: the program's title line, its folder and a notice over a brick wall.
#pragma once

#include "framework/Dialog.h"

#include <string>

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

    std::string m_strTitle;
    std::string m_strNotice;

protected:
    const MessageMap* GetMessageMap() const override;
    void OnPaint();
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
};
