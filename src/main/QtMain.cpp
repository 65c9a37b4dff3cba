// The program's entry point on Linux: Qt's application object, then the program's, run by
// the framework.
#include "app/RotatorApp.h"
#include "platform/qt/DisplayCheck.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (auto message = MissingDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                             std::getenv("QT_QPA_PLATFORM"), argc > 0 ? argv[0] : "kaleidra")) {
        std::fputs(message->c_str(), stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    // How Wayland desktops match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(KALEIDRA_APP_ID);
    // The main window hides itself and lives on in the tray: a closed window ends nothing.
    QApplication::setQuitOnLastWindowClosed(false);
    CRotatorApp program;
    return AfxWinMain();
}
