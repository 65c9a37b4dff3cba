// CFileDialog over the headless world: recorded, and answered as scripted.
#include "framework/FileDialog.h"
#include "platform/headless/HeadlessWorld.h"

int CFileDialog::DoModal() {
    HeadlessWorld& world = HeadlessWorld::Current();
    world.fileDialogs.push_back({m_bOpenFileDialog != FALSE, m_strTitle, m_strFilter, m_dwFlags,
                                 m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr});
    std::optional<std::string> path = world.TakeFileDialogAnswer();
    if (!path) {
        return IDCANCEL;
    }
    m_strPathName = *path;
    return IDOK;
}
