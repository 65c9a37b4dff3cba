// Dialog units to pixels by the Windows rule: a horizontal unit is a quarter of the
// template font's average character width, a vertical unit an eighth of its height.
#pragma once

#include "framework/WinTypes.h"

#include <QFont>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The template's font. "MS Sans Serif" isn't on Linux: DejaVu Sans stands in for it,
    // a sans-serif face of the same kind that Debian's desktops all have.
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
