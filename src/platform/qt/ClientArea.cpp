#include "platform/qt/ClientArea.h"

#include "framework/MessageMap.h"
#include "platform/qt/DialogWindow.h"

#include <QPainter>
#include <QResizeEvent>

ClientArea::ClientArea(DialogWindow& window, QSize size) : QWidget(&window), m_window(window), m_size(size) {}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_window.PaintClient(painter);
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    if (!m_window.isMinimized()) {
        QSize size = event->size();
        m_window.Deliver(WM_SIZE, SIZE_RESTORED, MakePointLParam(size.width(), size.height()));
    }
}
