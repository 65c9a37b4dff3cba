// COptionsDlg: the schedule — pick mode, frequency mode and minutes — edited for the
// main window, which copies its values in before and out after.
#pragma once

#include "framework/Dialog.h"

#include <optional>

class COptionsDlg : public CDialog {
public:
    explicit COptionsDlg(CWnd* pParent = nullptr);

    int m_nPick = 0;
    int m_nFreq = 0;
    float m_fMins = 0.0f;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnMinutes();
    void OnOnceADay();
    void OnEveryRun();
    void OnHelpButton();
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    std::optional<CtlColor> OnCtlColor(CWnd* pWnd, UINT nCtlColor);

    int GetPickChoice() const;
    int GetFreqChoice() const;
    double GetMinutesEntry() const;
};
