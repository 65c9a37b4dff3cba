// The controls of the secondary dialogs in the Qt host: their answers to the button and
// list-box messages, what the edit tells its dialog, and the drops the dialog gets.
#include "framework/Dialog.h"
#include "framework/ListBox.h"
#include "platform/qt/DialogWindow.h"
#include "resources/ResourceIds.h"
#include "unit/qt/ProcessEvents.h"

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Notification {
    WORD id;
    WORD code;
    HWND control;
    bool operator==(const Notification&) const = default;
};

class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(UINT templateId) : CDialog(templateId) {}

    std::vector<Notification> notifications;
    int drops = 0;

    HWND Item(UINT id) const { return GetDlgItem(static_cast<int>(id))->m_hWnd; }

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMap map(nullptr, {
            Recorded(IDC_MINUTES, EN_CHANGE),
            MapDropFiles(&RecordingDialog::OnDropFiles),
        });
        return &map;
    }

private:
    static MessageEntry Recorded(UINT id, WORD code) {
        return {WM_COMMAND, id, code, [](CWnd& wnd, WPARAM wParam, LPARAM lParam) {
                    static_cast<RecordingDialog&>(wnd).notifications.push_back(
                        {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
                    return LRESULT{0};
                }};
    }
    void OnDropFiles(HDROP) { ++drops; }
};

template <class Widget>
Widget* WidgetOf(RecordingDialog& dialog, UINT id) {
    return qobject_cast<Widget*>(dialog.Item(id)->widget.data());
}

class DialogTest : public ::testing::Test {
protected:
    explicit DialogTest(UINT templateId) : dialog(templateId) {}
    ~DialogTest() override { delete window; }

    RecordingDialog dialog;
    DialogWindow* window = new DialogWindow(dialog, FindDialogTemplate(dialog.TemplateId()), nullptr);
};

class OptionsControls : public DialogTest {
protected:
    OptionsControls() : DialogTest(IDD_OPTIONS) {}
};

class ImageListControls : public DialogTest {
protected:
    ImageListControls() : DialogTest(IDD_IMAGE_LIST) {
        list.m_hWnd = dialog.Item(IDC_IMAGE_LIST);
        for (const char* entry : {"/a.bmp", "/b.gif", "/c.jpg"}) {
            list.AddString(entry);
        }
    }
    CListBox list;
};

}  // namespace

TEST_F(OptionsControls, ChecksSetByMessageStayAsSetAndReadBack) {
    dialog.CheckDlgButton(IDC_RANDOM_PICK, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RANDOM_PICK), BST_CHECKED);
    dialog.CheckRadioButton(IDC_EVERY_MINUTES, IDC_EVERY_RUN, IDC_EVERY_RUN);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_MINUTES), BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_RUN), BST_CHECKED);
    dialog.CheckRadioButton(IDC_EVERY_MINUTES, IDC_EVERY_RUN, IDC_EVERY_MINUTES);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_MINUTES), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_RUN), BST_UNCHECKED);
    // A message moves no check to or from another button, as on Windows.
    dialog.CheckDlgButton(IDC_ONCE_A_DAY, BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_EVERY_MINUTES), BST_CHECKED);
    dialog.CheckDlgButton(IDC_RANDOM_PICK, BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RANDOM_PICK), BST_UNCHECKED);
    EXPECT_TRUE(dialog.notifications.empty());
}

TEST_F(OptionsControls, TheEditTellsOfEveryChangeAndCanBeDisabledAndFocused) {
    CWnd* minutes = dialog.GetDlgItem(IDC_MINUTES);
    minutes->SetWindowTextA("12.5");
    WidgetOf<QLineEdit>(dialog, IDC_MINUTES)->insert("0");
    EXPECT_EQ(minutes->GetWindowTextA(), "12.50");
    EXPECT_EQ(dialog.notifications, (std::vector<Notification>{{IDC_MINUTES, EN_CHANGE, minutes->m_hWnd},
                                                                {IDC_MINUTES, EN_CHANGE, minutes->m_hWnd}}));
    EXPECT_FALSE(minutes->EnableWindow(FALSE));  // it was enabled
    EXPECT_FALSE(minutes->m_hWnd->widget->isEnabled());
    EXPECT_TRUE(minutes->EnableWindow(TRUE));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->isActiveWindow(); }));
    dialog.GetDlgItem(IDOK)->SetFocus();
    EXPECT_EQ(minutes->SetFocus(), dialog.GetDlgItem(IDOK));
    EXPECT_TRUE(minutes->m_hWnd->widget->hasFocus());
}

TEST_F(ImageListControls, TheSelectionGoesWithItsEntryAndStaysWithAnother) {
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.DeleteString(0), 2);
    EXPECT_EQ(list.GetCurSel(), 1);  // the same entry, one place up
    EXPECT_EQ(list.DeleteString(1), 1);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    EXPECT_EQ(list.DeleteString(5), LB_ERR);
    EXPECT_EQ(list.SetCurSel(-1), LB_ERR);
    std::string text;
    EXPECT_EQ(list.GetText(0, text), 6);
    EXPECT_EQ(text, "/b.gif");
    EXPECT_EQ(list.GetText(1, text), LB_ERR);
}

TEST_F(ImageListControls, FilesDroppedOnTheListReachTheDialog) {
    window->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/x.gif")});
    auto* widget = WidgetOf<QListWidget>(dialog, IDC_IMAGE_LIST);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget->viewport(), &enter);  // the widget under the mouse
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    EXPECT_EQ(dialog.drops, 1);
}
