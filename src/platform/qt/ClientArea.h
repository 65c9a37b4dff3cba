// The client area of a dialog window: below the menu bar, the parent of the controls,
// painted by the program's WM_PAINT handler on the dialog's face colour.
#pragma once

#include <QSize>
#include <QWidget>

class DialogWindow;

class ClientArea : public QWidget {
public:
    ClientArea(DialogWindow& window, QSize size);

    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    DialogWindow& m_window;
    QSize m_size;
};
