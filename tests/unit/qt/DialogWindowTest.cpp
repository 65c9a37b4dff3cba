// A dialog of the main window's template in the Qt host: its layout, colours, painting,
// keys, timers and modal run, seen through what it delivers to its message table.
#include "framework/Dialog.h"
#include "framework/PaintDC.h"
#include "framework/SystemServices.h"
#include "platform/qt/DialogWindow.h"
#include "resources/ResourceIds.h"
#include "unit/qt/ProcessEvents.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLUE = RGB(0, 0, 255);

// Four pixels, bottom row first, blue-green-red, rows padded to 4 bytes: the top row is
// red then green, the bottom row blue then white.
constexpr unsigned char DIB[] = {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};

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
            MapCtlColor(&TestDialog::OnCtlColor),
            MapPaint(&TestDialog::OnPaint),
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
    std::optional<CtlColor> OnCtlColor(CWnd*, UINT type) {
        return type == CTLCOLOR_DLG ? std::optional(CtlColor{WHITE, std::nullopt}) : CtlColor{WHITE, BLUE};
    }
    void OnPaint() {
        CPaintDC dc(this);
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = 2;
        header.biHeight = 2;
        header.biPlanes = 1;
        header.biBitCount = 24;
        dc.StretchDIBits(0, 0, 2, 2, 0, 0, 2, 2, DIB, &header, DIB_RGB_COLORS, SRCCOPY);
    }
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

TEST_F(DialogWindowTest, TheClientAreaHasTheTemplatesSizeBelowItsMenuBar) {
    EXPECT_EQ(window->Client()->sizeHint(), QSize(494, 475));  // 329 x 292 units of 6/4 x 13/8 pixels
    ASSERT_NE(window->MenuBar(), nullptr);
    QStringList titles;
    for (QAction* action : window->MenuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Application"}));
    auto* corner = qobject_cast<QMenuBar*>(window->MenuBar()->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->actions().value(0)->text(), "&Help");
    EXPECT_EQ(window->windowTitle(), "Kaleidra 3.0");
}

TEST_F(DialogWindowTest, TheFaceIsTheColourHandlersAndThePreviewIsDrawnOneToOne) {
    window->show();
    QImage client = window->Client()->grab().toImage();
    EXPECT_EQ(client.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(client.pixelColor(1, 0), QColor(Qt::green));
    EXPECT_EQ(client.pixelColor(0, 1), QColor(Qt::blue));
    EXPECT_EQ(client.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(client.pixelColor(2, 2), QColor(Qt::white));   // beside the preview: the face
    EXPECT_EQ(client.pixelColor(20, 400), QColor(Qt::white));
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

TEST(DialogModalRun, ATimerEndsTheModalRunWithItsResult) {
    TestDialog dialog;
    dialog.onTick = [&](UINT_PTR id) {
        if (id == 3) {
            dialog.EndDialog(42);
        }
    };
    QTimer::singleShot(0, [&] { dialog.SetTimer(3, 10); });
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window went with the run
}
