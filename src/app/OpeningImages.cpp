// Opening an image in the main window: from the file dialog or by dropping a file.
#include "app/MainDlg.h"
#include "framework/FileDialog.h"
#include "framework/SystemServices.h"
#include "framework/WaitCursor.h"

namespace {

constexpr const char* OPEN_TITLE = "Choose an image file";
constexpr const char* OPEN_FILTER =
    "Supported Files Types(*.bmp;*.gif;*.jpg;)|*.bmp;*.gif;*.jpg;|Bitmaps (*.bmp)|*.bmp|"
    "GIF Files (*.gif)|*.gif|JPEG Files (*.jpg)|*.jpg||";

}  // namespace

void CMainDlg::OnOpenImage() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, OPEN_FILTER, this);
    dialog.m_strTitle = OPEN_TITLE;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    m_strImagePath = dialog.GetPathName();
    OpenCurrentPath();
}

// Only the first of several dropped files is taken; it joins the Image List whatever
// became of it.
void CMainDlg::OnDropFiles(HDROP hDropInfo) {
    m_strImagePath = fw::DragQueryFileA(hDropInfo, 0);
    OpenCurrentPath();
    AddToList(m_strImagePath);
    Default();
}

void CMainDlg::OpenCurrentPath() {
    if (CWnd* splash = GetDlgItem(IDC_SPLASH)) {
        splash->ShowWindow(SW_HIDE);
    }
    {
        CWaitCursor wait;
        ShowImageMessages(m_image.LoadAndConvert());
    }
    Invalidate();
}

// A reader's remark on a read that went well is not shown.
void CMainDlg::ShowImageMessages(const CodecMessages& messages) {
    for (const CodecMessage& message : messages) {
        const char* text = message.text.c_str();
        switch (message.style) {
        case MessageStyle::Plain:
            fw::AfxMessageBox(text, MB_OK);
            break;
        case MessageStyle::Stop:
            fw::AfxMessageBox(text, MB_OK | MB_ICONSTOP);
            break;
        case MessageStyle::LibraryFatal:
            fw::MessageBoxA(nullptr, text, LibraryCaption(message.style), MB_OK | MB_ICONSTOP);
            break;
        case MessageStyle::LibraryWarning:
            fw::MessageBoxA(fw::GetActiveWindow(), text, LibraryCaption(message.style), MB_OK);
            break;
        case MessageStyle::Remark:
            break;
        }
    }
}
