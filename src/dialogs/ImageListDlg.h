// CImageListDlg: the Image List as the user sees it, to look through, delete from and
// open entries of. Entries are added only from the main window.
#pragma once

#include "core/ImageList.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"

#include <optional>

class CImageListDlg : public CDialog {
public:
    explicit CImageListDlg(core::ImageList& list, CWnd* pParent = nullptr);

    CListBox m_listImages;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnDeleteSelection();
    void OnViewFullImage();
    void OnDblclkImageList();
    void OnPowerEdit();
    void OnDropFiles(HDROP hDropInfo);
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    std::optional<CtlColor> OnCtlColor(CWnd* pWnd, UINT nCtlColor);

    // Shows the file's entries as it holds them now.
    void FillListFromFile();
    // Deletes the entry at a position of the box from the file; nothing when that was done.
    std::optional<core::Message> DeleteFromFile(int position);

private:
    // The selected position; with none, tells the user and gives nothing.
    std::optional<int> SelectionOrHint();

    core::ImageList& m_list;
};
