#include "dialogs/ImageListDlg.h"

#include "common/AppCaption.h"
#include "common/Helpers.h"
#include "dialogs/WindowColours.h"
#include "framework/SystemServices.h"
#include "framework/WinApp.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace {

constexpr const char* ENTRY_GONE =
    "This image is no longer in the Image List: the list was changed since this window opened. "
    "The window now shows the list as it is.";
constexpr const char* DROP_HINT =
    "You must add images to Image List by choosing Open Image command in main window or by dropping it there.";
// The text editor the list is opened in; other desktops pick their own for the file.
constexpr const char* TEXT_EDITOR = "notepad";

HWND MainWindowHandle() {
    CWnd* mainWnd = AfxGetMainWnd();
    return mainWnd != nullptr ? mainWnd->m_hWnd : nullptr;
}

}  // namespace

CImageListDlg::CImageListDlg(core::ImageList& list, CWnd* pParent) : CDialog(IDD_IMAGE_LIST, pParent), m_list(list) {}

const MessageMap* CImageListDlg::GetMessageMap() const {
    static const MessageMap map(nullptr, {
        MapCommand(ID_DELETE_SELECTION, &CImageListDlg::OnDeleteSelection),
        MapCommand(ID_VIEW_FULL_IMAGE, &CImageListDlg::OnViewFullImage),
        MapControl(LBN_DBLCLK, IDC_IMAGE_LIST, &CImageListDlg::OnDblclkImageList),
        MapCommand(ID_POWER_EDIT, &CImageListDlg::OnPowerEdit),
        MapDropFiles(&CImageListDlg::OnDropFiles),
        MapHelpInfo(&CImageListDlg::OnHelpInfo),
        MapCtlColor(&CImageListDlg::OnCtlColor),
    });
    return &map;
}

BOOL CImageListDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listImages.m_hWnd = GetDlgItem(IDC_IMAGE_LIST)->m_hWnd;
    FillListFromFile();
    return TRUE;
}

// The dialog closes only through "Back to Main", Escape or the close box.
void CImageListDlg::OnOK() {}

// Blank lines are not shown; a deletion keeps them in the file all the same.
void CImageListDlg::FillListFromFile() {
    while (m_listImages.GetCount() > 0) {
        m_listImages.DeleteString(0);
    }
    for (const std::string& line : m_list.Lines()) {
        if (!line.empty()) {
            m_listImages.AddString(line.c_str());
        }
    }
}

// The entry is found again in the file as it is now, by its text and by how many equal
// entries come before it, so whatever was added meanwhile stays.
std::optional<core::Message> CImageListDlg::DeleteFromFile(int position) {
    std::string entry;
    m_listImages.GetText(position, entry);
    int occurrence = 0;
    for (int i = 0; i < position; ++i) {
        std::string earlier;
        m_listImages.GetText(i, earlier);
        occurrence += earlier == entry ? 1 : 0;
    }
    return m_list.Remove(entry, occurrence);
}

std::optional<int> CImageListDlg::SelectionOrHint() {
    int selected = m_listImages.GetCurSel();
    if (selected < 0) {
        MessageBoxA(LoadStringA(IDS_SELECT_ENTRY_FIRST).c_str(), g_strAppName.c_str(), MB_OK);
        return std::nullopt;
    }
    return selected;
}

// Any answer but No goes ahead. Whatever happened, the box then shows the file as it is:
// a rewrite that failed is reported, and so is an entry that was gone already.
void CImageListDlg::OnDeleteSelection() {
    std::optional<int> selected = SelectionOrHint();
    if (!selected) {
        return;
    }
    int answer = MessageBoxA(LoadStringA(IDS_CONFIRM_REMOVE).c_str(), LoadStringA(IDS_CONFIRMATION).c_str(),
                             MB_YESNO | MB_ICONQUESTION);
    if (answer == IDNO) {
        return;
    }
    std::optional<core::Message> failure = DeleteFromFile(*selected);
    if (failure && failure->id == core::MessageId::EntryGone) {
        MessageBoxA(ENTRY_GONE, g_strAppName.c_str(), MB_OK | MB_ICONEXCLAMATION);
    } else if (failure) {
        ShowSystemError(failure->error);
    }
    FillListFromFile();
}

void CImageListDlg::OnViewFullImage() {
    std::optional<int> selected = SelectionOrHint();
    if (!selected) {
        return;
    }
    std::string path;
    m_listImages.GetText(*selected, path);
    fw::ShellExecuteA(MainWindowHandle(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CImageListDlg::OnDblclkImageList() {
    OnViewFullImage();
}

void CImageListDlg::OnPowerEdit() {
    fw::ShellExecuteA(MainWindowHandle(), "open", TEXT_EDITOR, m_list.Path().c_str(), nullptr, SW_SHOWNORMAL);
}

void CImageListDlg::OnDropFiles(HDROP) {
    MessageBoxA(DROP_HINT, g_strAppName.c_str(), MB_OK);
    Default();
}

BOOL CImageListDlg::OnHelpInfo(HELPINFO*) {
    return TRUE;
}

std::optional<CtlColor> CImageListDlg::OnCtlColor(CWnd*, UINT nCtlColor) {
    return WhiteFaceBlueText(nCtlColor);
}
