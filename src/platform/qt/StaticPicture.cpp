#include "platform/qt/StaticPicture.h"

#include <QPainter>

#include <utility>

StaticPicture::StaticPicture(QImage picture, QColor face, bool sunkenEdge, QWidget* parent)
    : QWidget(parent), m_picture(std::move(picture)), m_face(face), m_sunkenEdge(sunkenEdge) {}

void StaticPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_face);
    QPoint corner((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
    painter.drawImage(corner, m_picture);
    if (m_sunkenEdge) {
        QRect edge = rect().adjusted(0, 0, -1, -1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
}
