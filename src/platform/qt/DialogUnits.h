// Dialog units to pixels by the Windows rule: a horizontal unit is a quarter of the
// template font's average character width, a vertical unit an eighth of its height.
#pragma once

#include "framework/WinTypes.h"

#include <QFont>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The template's font. "MS Sans Serif" isn't on Linux: Liberation Sans stands in for
    // it, a face with Arial's metrics, which at 8 point measure as MS Sans Serif's do
    // (6 by 13 pixels at 96 dots per inch), so the layout keeps its proportions.
    static QFont TemplateFont(const char* name, WORD pointSize);

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int cx, int cy) const;

private:
    int m_baseX;
    int m_baseY;
};
