// CDialog: a window built from a dialog template and run modally.
#pragma once

#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the window, runs its initialisation and its modal loop (backend).
    virtual int DoModal();
    // Ends the modal loop with the given result (backend).
    void EndDialog(int nResult);

    UINT TemplateId() const { return m_nIDTemplate; }
    CWnd* ParentWnd() const { return m_pParentWnd; }
    // The window that owns the dialog while it runs: its parent, else the main window,
    // which it then keeps below and blocked; null when there is none yet.
    HWND OwnerWindow() const;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // IDOK and IDCANCEL reach OnOK and OnCancel unless the table maps them.
    BOOL OnCommand(UINT_PTR nID) override;

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
