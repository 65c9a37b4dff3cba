// A static picture control: its bitmap centred on the control's face, with the sunken
// edge a static edge asks for.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class StaticPicture : public QWidget {
public:
    StaticPicture(QImage picture, QColor face, bool sunkenEdge, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QColor m_face;
    bool m_sunkenEdge;
};
