// A dialog of the main window's template in the Qt host: its layout, keys, drops, size
// messages and timers, seen through what it delivers to its message table.
#include "framework/Dialog.h"
#include "framework/SystemServices.h"
#include "platform/qt/DialogWindow.h"
#include "resources/ResourceIds.h"
#include "unit/qt/ProcessEvents.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_MAIN) {}

    std::vector<UINT_PTR> commands;
    std::vector<UINT_PTR> ticks;
    std::vector<UINT> sizeTypes;
    std::vector<std::string> dropped;
    bool dropFinished = false;
    std::function<void(UINT_PTR)> onTick;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMap map(nullptr, {
            MapTimer(&TestDialog::OnTimer),
            MapSize(&TestDialog::OnSize),
            MapDropFiles(&TestDialog::OnDropFiles),
        });
        return &map;
    }
    BOOL OnCommand(UINT_PTR id) override {
        commands.push_back(id);
        return TRUE;
    }

private:
    void OnSize(UINT type, int, int) { sizeTypes.push_back(type); }
    void OnDropFiles(HDROP drop) {
        for (UINT i = 0; !fw::DragQueryFileA(drop, i).empty(); ++i) {
            dropped.push_back(fw::DragQueryFileA(drop, i));
        }
        Default();
        dropFinished = drop->finished;
    }
    void OnTimer(UINT_PTR id) {
        ticks.push_back(id);
        if (onTick) {
            onTick(id);
        }
    }
};

class DialogWindowTest : public ::testing::Test {
protected:
    TestDialog dialog;
    DialogWindow* window = new DialogWindow(dialog, FindDialogTemplate(IDD_MAIN), nullptr);
    ~DialogWindowTest() override { delete window; }

    void Press(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window, &press);
    }
};

}  // namespace

TEST_F(DialogWindowTest, TheClientAreaHasTheTemplatesSizeInDialogUnits) {
    EXPECT_EQ(window->Client()->sizeHint(), QSize(494, 475));  // 329 x 292 units of 6/4 x 13/8 pixels
}

TEST_F(DialogWindowTest, OnlyThePictureControlShowsAndItCentresTheSplash) {
    window->show();
    CWnd* splash = dialog.GetDlgItem(IDC_SPLASH);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->IsWindowVisible());
    EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowVisible());
    EXPECT_EQ(dialog.GetDlgItem(ID_OPEN_IMAGE)->GetWindowTextA(), "Open an image");
    QWidget* picture = splash->m_hWnd->widget;
    EXPECT_EQ(picture->geometry(), QRect(117, 111, 257, 265));
    splash->ShowWindow(SW_HIDE);
    EXPECT_FALSE(picture->isVisible());
}

TEST_F(DialogWindowTest, EnterIsTheDefaultButtonAndEscAndTheCloseBoxAreCancel) {
    window->show();
    Press(Qt::Key_Return);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(window->close());  // refused: the program decides
    EXPECT_EQ(dialog.commands, (std::vector<UINT_PTR>{IDOK, IDCANCEL, IDCANCEL}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DialogWindowTest, DroppedLocalFilesArriveAsOneDropAndTheDefaultFinishesIt) {
    EXPECT_TRUE(window->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a b.gif"), QUrl("https://example.org/x.gif"),
                  QUrl::fromLocalFile("/tmp/c.jpg")});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    EXPECT_EQ(dialog.dropped, (std::vector<std::string>{"/tmp/a b.gif", "/tmp/c.jpg"}));
    EXPECT_TRUE(dialog.dropFinished);
}

TEST_F(DialogWindowTest, MinimizingIsASizeMessageOfItsOwn) {
    window->show();
    dialog.sizeTypes.clear();
    window->showMinimized();
    ASSERT_TRUE(ProcessEventsUntil([&] { return !dialog.sizeTypes.empty(); }));
    EXPECT_EQ(dialog.sizeTypes.back(), SIZE_MINIMIZED);
    EXPECT_TRUE(dialog.IsIconic());
}

TEST_F(DialogWindowTest, TimersTickWithTheirIdsUntilKilledAndASecondSetRestarts) {
    ASSERT_EQ(dialog.SetTimer(7, 10), 7u);
    ASSERT_EQ(dialog.SetTimer(7, 15), 7u);
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.ticks.size() >= 2; }));
    EXPECT_TRUE(dialog.KillTimer(7));
    EXPECT_FALSE(dialog.KillTimer(7));
    std::size_t ticks = dialog.ticks.size();
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(dialog.ticks.size(), ticks);
    EXPECT_EQ(dialog.ticks.front(), 7u);
}

TEST_F(DialogWindowTest, ADestroyedDialogGetsNoMoreMessagesWhileItsWindowWaitsToGo) {
    window->show();
    ASSERT_EQ(dialog.SetTimer(1, 60000), 1u);
    const int qtTimer = dialog.m_hWnd->timers.at(1);
    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(dialog.m_hWnd, nullptr);
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
