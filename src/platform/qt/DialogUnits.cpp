#include "platform/qt/DialogUnits.h"

#include <QFontMetrics>

#include <cstring>

namespace {

constexpr const char* ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr const char* WINDOWS_DIALOG_FONT = "MS Sans Serif";
constexpr const char* LINUX_DIALOG_FONT = "DejaVu Sans";

// MulDiv: the product divided, rounded half away from zero.
int MulDiv(int number, int numerator, int denominator) {
    long long product = static_cast<long long>(number) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

// Windows measures the alphabet and rounds its mean width: (width / 26 + 1) / 2.
DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    m_baseX = (metrics.horizontalAdvance(QString::fromLatin1(ALPHABET)) / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QFont DialogUnits::TemplateFont(const char* name, WORD pointSize) {
    const char* family = name == nullptr || std::strcmp(name, WINDOWS_DIALOG_FONT) == 0 ? LINUX_DIALOG_FONT : name;
    QFont font{QString::fromUtf8(family)};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    return font;
}

int DialogUnits::X(int units) const {
    return MulDiv(units, m_baseX, 4);
}

int DialogUnits::Y(int units) const {
    return MulDiv(units, m_baseY, 8);
}

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const {
    return QRect(X(x), Y(y), X(cx), Y(cy));
}
