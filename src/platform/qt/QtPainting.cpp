// CPaintDC over the painter of the client area's paint event; outside one it draws nothing.
#include "framework/PaintDC.h"
#include "platform/qt/QtHandles.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_hDC(pWnd->m_hWnd->paintDC) {}

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
