// CPaintDC over the painter of the client area's paint event; outside one it draws nothing.
#include "framework/PaintDC.h"
#include "platform/qt/ControlFactory.h"
#include "platform/qt/Handles.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

}  // namespace

// Text is in the application's default font, not the dialog's, as a DC starts with the
// system font on Windows.
CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_hDC(pWnd->m_hWnd->paintDC) {
    if (m_hDC != nullptr) {
        m_hDC->painter->setFont(QApplication::font());
    }
}

CPaintDC::~CPaintDC() = default;

// A 24-bit DIB is blue, green, red with rows padded to 4 bytes, bottom row first when the
// height is positive. The bits are drawn in place through a QImage over them, flipped.
int CPaintDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                            int srcHeight, const void* bits, const BITMAPINFOHEADER* header, UINT, DWORD) {
    if (m_hDC == nullptr || bits == nullptr || header->biBitCount != 24 || header->biCompression != BI_RGB ||
        srcWidth <= 0 || srcHeight <= 0) {
        return 0;
    }
    const int height = std::abs(header->biHeight);
    const qsizetype rowBytes = (static_cast<qsizetype>(header->biWidth) * 24 + 31) / 32 * 4;
    const QImage image(static_cast<const uchar*>(bits), header->biWidth, height, rowBytes, QImage::Format_BGR888);
    const bool bottomUp = header->biHeight > 0;
    QPainter& painter = *m_hDC->painter;
    painter.save();
    painter.translate(xDest, bottomUp ? yDest + destHeight : yDest);
    painter.scale(static_cast<double>(destWidth) / srcWidth,
                  (bottomUp ? -1.0 : 1.0) * destHeight / static_cast<double>(srcHeight));
    // Bottom-up, the source's y counts rows from the bottom, which is where memory starts.
    painter.drawImage(QRectF(0, 0, srcWidth, srcHeight), image, QRectF(xSrc, ySrc, srcWidth, srcHeight));
    painter.restore();
    return srcHeight;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    if (m_hDC == nullptr || hIcon == nullptr) {
        return FALSE;
    }
    m_hDC->painter->drawPixmap(x, y, hIcon->icon.pixmap(32, 32));
    return TRUE;
}

// Source coordinates count from the bitmap's top row, as the picture is seen.
BOOL CPaintDC::StretchBlt(int x, int y, int width, int height, const CBitmap& bitmap, int xSrc, int ySrc,
                          int srcWidth, int srcHeight, DWORD) {
    std::span<const unsigned char> file = bitmap.FileBytes();
    QImage image = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
    if (m_hDC == nullptr || image.isNull()) {
        return FALSE;
    }
    m_hDC->painter->drawImage(QRect(x, y, width, height), image, QRect(xSrc, ySrc, srcWidth, srcHeight));
    return TRUE;
}

int CPaintDC::SetBkMode(int mode) {
    return m_hDC != nullptr ? std::exchange(m_hDC->bkMode, mode) : 0;
}

COLORREF CPaintDC::SetTextColor(COLORREF color) {
    return m_hDC != nullptr ? std::exchange(m_hDC->textColor, color) : CLR_INVALID;
}

BOOL CPaintDC::GetTextMetricsA(TEXTMETRICA* metrics) {
    if (m_hDC == nullptr) {
        return FALSE;
    }
    QFontMetrics font = m_hDC->painter->fontMetrics();
    *metrics = {};
    metrics->tmHeight = font.height();
    metrics->tmAscent = font.ascent();
    metrics->tmDescent = font.descent();
    metrics->tmExternalLeading = std::max(font.leading(), 0);
    metrics->tmAveCharWidth = font.averageCharWidth();
    metrics->tmMaxCharWidth = font.maxWidth();
    return TRUE;
}

// The point is the text's top-left corner; an opaque background is the DC's white.
BOOL CPaintDC::TextOutA(int x, int y, const char* text, int length) {
    if (m_hDC == nullptr) {
        return FALSE;
    }
    QPainter& painter = *m_hDC->painter;
    QString line = QString::fromLocal8Bit(text, length);
    QFontMetrics font = painter.fontMetrics();
    if (m_hDC->bkMode == OPAQUE) {
        painter.fillRect(QRect(x, y, font.horizontalAdvance(line), font.height()), Qt::white);
    }
    painter.setPen(ToQColor(m_hDC->textColor));
    painter.drawText(QPoint(x, y + font.ascent()), line);
    return TRUE;
}
