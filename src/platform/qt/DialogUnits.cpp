#include "platform/qt/DialogUnits.h"

#include <QFontMetricsF>
#include <QtMath>
#include <QGuiApplication>
#include <QScreen>

#include <cstring>

namespace {

constexpr const char* ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr const char* WINDOWS_DIALOG_FONT = "MS Sans Serif";
constexpr const char* LINUX_DIALOG_FONT = "Liberation Sans";
constexpr int POINTS_PER_INCH = 72;

// MulDiv: the product divided, rounded half away from zero.
int MulDiv(int number, int numerator, int denominator) {
    long long product = static_cast<long long>(number) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

// Windows measures the alphabet and rounds its mean width, (width / 26 + 1) / 2; the
// height is the ascent and the descent, each rounded up to whole pixels.
DialogUnits::DialogUnits(const QFont& font) {
    QFontMetricsF metrics(font);
    m_baseX = (qCeil(metrics.horizontalAdvance(QString::fromLatin1(ALPHABET))) / 26 + 1) / 2;
    m_baseY = qCeil(metrics.ascent()) + qCeil(metrics.descent());
}

QFont DialogUnits::TemplateFont(const char* name, WORD pointSize) {
    const char* family = name == nullptr || std::strcmp(name, WINDOWS_DIALOG_FONT) == 0 ? LINUX_DIALOG_FONT : name;
    QFont font{QString::fromUtf8(family)};
    font.setStyleHint(QFont::SansSerif);
    // Windows sizes a template font in whole pixels: -MulDiv(points, dots per inch, 72).
    const int dotsPerInch = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    font.setPixelSize(MulDiv(pointSize > 0 ? pointSize : 8, dotsPerInch, POINTS_PER_INCH));
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
