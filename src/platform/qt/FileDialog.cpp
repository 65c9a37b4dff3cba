// CFileDialog over the desktop's own file dialog (GTK, KDE or the desktop portal, as Qt's
// platform theme gives it); Qt's own where the session offers none, as a bare X11 session
// does (the end-to-end tests type a path into that one).
#include "framework/FileDialog.h"
#include "platform/qt/FileFilter.h"
#include "platform/qt/FileNameBytes.h"
#include "platform/qt/Handles.h"

#include <QFileDialog>

int CFileDialog::DoModal() {
    QWidget* owner = m_pParentWnd != nullptr && m_pParentWnd->m_hWnd != nullptr ? m_pParentWnd->m_hWnd->widget.data()
                                                                                 : nullptr;
    QFileDialog dialog(owner, QString::fromLocal8Bit(m_strTitle.c_str()));
    dialog.setOptions(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_bOpenFileDialog && (m_dwFlags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                            : QFileDialog::AnyFile);
    dialog.setNameFilters(NameFiltersFromWindowsFilter(m_strFilter));
    if (!m_strDefExt.empty()) {
        dialog.setDefaultSuffix(QString::fromLocal8Bit(m_strDefExt.c_str()));
    }
    if (!m_strFileName.empty()) {
        dialog.selectFile(QString::fromLocal8Bit(m_strFileName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return IDCANCEL;
    }
    m_strPathName = FileNameBytes(dialog.selectedFiles().constFirst());
    return IDOK;
}
