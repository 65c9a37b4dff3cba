// Finding the running copy where there is no X11 display (here: the offscreen platform),
// through the socket its main window listens on.
#include "framework/Dialog.h"
#include "framework/SystemServices.h"
#include "platform/qt/DialogWindow.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

TEST(RunningCopy, WithoutX11ItIsFoundByItsWindowClassAndIsRestoredInFront) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // windows earlier tests closed
    EXPECT_EQ(fw::FindWindowA(MAIN_WINDOW_CLASS, nullptr), nullptr);
    CDialog dialog(IDD_MAIN);
    {
        DialogWindow window(dialog, FindDialogTemplate(IDD_MAIN), nullptr);
        window.showMinimized();
        QWidget other;
        other.show();
        other.activateWindow();
        HWND running = fw::FindWindowA(MAIN_WINDOW_CLASS, nullptr);
        ASSERT_NE(running, nullptr);
        EXPECT_EQ(fw::FindWindowA("SomeOtherClass", nullptr), nullptr);
        EXPECT_TRUE(fw::ShowWindow(running, SW_RESTORE));
        QDeadlineTimer deadline(5000);
        while (QApplication::activeWindow() != &window && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        EXPECT_EQ(QApplication::activeWindow(), &window);
        EXPECT_TRUE(window.isVisible() && !window.isMinimized());
    }
    EXPECT_EQ(fw::FindWindowA(MAIN_WINDOW_CLASS, nullptr), nullptr);  // gone with its window
}
