// The controls of the secondary dialogs in Qt windows: checks, the edit, files dropped on
// the list and the names it holds.
#include "framework/ListBox.h"
#include "unit/qt/RecordingDialog.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>

#include <cstring>

namespace {

class OptionsControls : public QtDialogTest {
protected:
    OptionsControls() : QtDialogTest(IDD_OPTIONS) {}
};

class ImageListControls : public QtDialogTest {
protected:
    ImageListControls() : QtDialogTest(IDD_IMAGE_LIST) {}
};

}  // namespace

// Qt's radio groups move a check by themselves; a message must not. The edit tells of
// every change, the program's and the user's.
TEST_F(OptionsControls, AChecksSetByMessageMovesNoOtherCheckAndTheEditTellsOfEveryChange) {
    dialog.CheckRadioButton(IDC_EVERY_MINUTES, IDC_EVERY_RUN, IDC_EVERY_RUN);
    dialog.CheckDlgButton(IDC_ONCE_A_DAY, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_RUN), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_ONCE_A_DAY), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_MINUTES), BST_UNCHECKED);
    EXPECT_TRUE(dialog.commands.empty());
    CWnd* minutes = dialog.GetDlgItem(IDC_MINUTES);
    minutes->SetWindowTextA("12.5");
    qobject_cast<QLineEdit*>(minutes->m_hWnd->widget.data())->insert("0");
    EXPECT_EQ(minutes->GetWindowTextA(), "12.50");
    EXPECT_EQ(dialog.commands, (std::vector<UINT_PTR>{EN_CHANGE, EN_CHANGE}));
}

// The list's viewport is the widget under the mouse; only local files make the drop, which
// arrives once the exchange is over, and the default processing finishes it.
TEST_F(ImageListControls, LocalFilesDroppedOnTheListArriveAsOneDropAndItsNamesKeepTheirBytes) {
    window->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a b.gif"), QUrl("https://example.org/x.gif"),
                  QUrl::fromLocalFile("/tmp/c.jpg"), QUrl("file:///tmp/caf%E9.bmp")});
    auto* widget = qobject_cast<QListWidget*>(dialog.GetDlgItem(IDC_IMAGE_LIST)->m_hWnd->widget.data());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    EXPECT_TRUE(dialog.dropped.empty());
    QApplication::processEvents();
    EXPECT_EQ(dialog.dropped, (std::vector<std::string>{"/tmp/a b.gif", "/tmp/c.jpg", "/tmp/caf\xe9.bmp"}));
    EXPECT_TRUE(dialog.dropFinished);
    CListBox list;  // gives back the bytes it was given
    list.m_hWnd = dialog.GetDlgItem(IDC_IMAGE_LIST)->m_hWnd;
    std::string text;
    for (const char* name : {"/p/caf\xe9.bmp", "/p/caf\xc3\xa9.bmp"}) {
        EXPECT_EQ(list.GetText(list.AddString(name), text), static_cast<int>(std::strlen(name)));
        EXPECT_EQ(text, name);
    }
}
