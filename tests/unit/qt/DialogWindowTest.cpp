// The main window's template in a Qt window: layout, menu texts, close box, size messages and timers.
#include "unit/qt/RecordingDialog.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QDeadlineTimer>

namespace {

bool ProcessEventsUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

class DialogWindowTest : public QtDialogTest {
protected:
    DialogWindowTest() : QtDialogTest(IDD_MAIN) {}
};

}  // namespace

// The close box is Cancel, and the program decides whether the window goes.
TEST_F(DialogWindowTest, OnlyThePictureShowsCentredTheCloseBoxIsCancelAndMinimizingIsASizeMessage) {
    EXPECT_EQ(window->Client()->sizeHint(), QSize(494, 475));  // 329 x 292 units of 6/4 x 13/8 pixels
    window->show();
    CWnd* splash = dialog.GetDlgItem(IDC_SPLASH);
    EXPECT_TRUE(splash->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_EQ(splash->m_hWnd->widget->geometry(), QRect(117, 111, 257, 265));
    const QList<QAction*> application = window->MenuBar()->actions().at(1)->menu()->actions();
    EXPECT_EQ(application.at(1)->text(), "Automatically run Kaleidra when you log in");  // not "when Windows starts"
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialog.commands, std::vector<UINT_PTR>{IDCANCEL});
    dialog.sizeTypes.clear();
    window->showMinimized();
    ASSERT_TRUE(ProcessEventsUntil([&] { return !dialog.sizeTypes.empty(); }));
    EXPECT_EQ(dialog.sizeTypes.back(), SIZE_MINIMIZED);
    EXPECT_TRUE(dialog.IsIconic());
}

TEST_F(DialogWindowTest, ASecondSetRestartsATimerAndAKilledOneIsGone) {
    ASSERT_EQ(dialog.SetTimer(7, 60000), 7u);
    ASSERT_EQ(dialog.SetTimer(7, 10), 7u);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !dialog.ticks.empty(); }));
    EXPECT_TRUE(dialog.KillTimer(7));
    EXPECT_FALSE(dialog.KillTimer(7));
    std::size_t ticks = dialog.ticks.size();
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(dialog.ticks.size(), ticks);
}

TEST_F(DialogWindowTest, ADestroyedDialogGetsNoMoreMessagesWhileItsWindowWaitsToGo) {
    window->show();
    ASSERT_EQ(dialog.SetTimer(1, 60000), 1u);
    const int qtTimer = dialog.m_hWnd->timers.at(1);
    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_FALSE(window->isVisible());
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    QTimerEvent tick(qtTimer);
    QApplication::sendEvent(window, &tick);
    EXPECT_TRUE(dialog.commands.empty());
    EXPECT_TRUE(dialog.ticks.empty());
}

TEST_F(DialogWindowTest, ATimerTicksInsideAnOpenMessageBox) {
    int answer = 0;
    dialog.onTick = [&](UINT_PTR id) {
        dialog.KillTimer(id);
        if (id == 1) {
            dialog.SetTimer(2, 10);
            answer = dialog.MessageBoxA("waiting", "Kaleidra", MB_OK | MB_ICONEXCLAMATION);
        } else if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        } else {
            dialog.SetTimer(2, 10);  // the box isn't up yet: once more
        }
    };
    dialog.SetTimer(1, 10);
    ASSERT_TRUE(ProcessEventsUntil([&] { return answer != 0; }));
    EXPECT_EQ(dialog.ticks, (std::vector<UINT_PTR>{1, 2}));
    EXPECT_EQ(answer, IDOK);
}
