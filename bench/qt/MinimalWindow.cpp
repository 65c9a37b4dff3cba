// The yardstick for the program's start-up time and idle memory: a Qt widgets program
// that only opens one window and hides it after half a second, as the program does.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.resize(494, 494);
    window.show();
    QTimer::singleShot(500, &window, &QWidget::hide);
    return QApplication::exec();
}
