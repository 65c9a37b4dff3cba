// CPaintDC over GDI32: BeginPaint and EndPaint around the calls of the same names.
#include "framework/PaintDC.h"
#include "platform/win32/Resources.h"

#include <unordered_map>

namespace {

// EndPaint wants the record BeginPaint filled; CPaintDC keeps only the device context.
std::unordered_map<HDC, PAINTSTRUCT>& OpenPaints() {
    static std::unordered_map<HDC, PAINTSTRUCT> paints;
    return paints;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
    PAINTSTRUCT paint{};
    m_hDC = BeginPaint(pWnd->m_hWnd, &paint);
    OpenPaints()[m_hDC] = paint;
}

CPaintDC::~CPaintDC() {
    auto paint = OpenPaints().find(m_hDC);
    if (paint != OpenPaints().end()) {
        EndPaint(m_pWnd->m_hWnd, &paint->second);
        OpenPaints().erase(paint);
    }
}

int CPaintDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                            int srcHeight, const void* bits, const BITMAPINFOHEADER* header, UINT usage, DWORD rop) {
    return ::StretchDIBits(m_hDC, xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth, srcHeight, bits,
                           reinterpret_cast<const BITMAPINFO*>(header), usage, rop);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

// The source rectangle counts rows from the top, as on a device-dependent bitmap; a
// bottom-up DIB counts them from the bottom.
BOOL CPaintDC::StretchBlt(int x, int y, int width, int height, const CBitmap& bitmap, int xSrc, int ySrc,
                          int srcWidth, int srcHeight, DWORD rop) {
    std::optional<win32::PackedBitmap> packed = win32::PackBitmapFile(bitmap.FileBytes());
    if (!packed) {
        return FALSE;
    }
    const LONG rows = packed->Info()->bmiHeader.biHeight;
    const int yFromBottom = rows > 0 ? static_cast<int>(rows) - ySrc - srcHeight : ySrc;
    SetStretchBltMode(m_hDC, COLORONCOLOR);
    return ::StretchDIBits(m_hDC, x, y, width, height, xSrc, yFromBottom, srcWidth, srcHeight, packed->bits,
                           packed->Info(), DIB_RGB_COLORS, rop) != 0;
}

int CPaintDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

COLORREF CPaintDC::SetTextColor(COLORREF color) {
    return ::SetTextColor(m_hDC, color);
}

BOOL CPaintDC::GetTextMetricsA(TEXTMETRICA* metrics) {
    return ::GetTextMetricsA(m_hDC, metrics);
}

BOOL CPaintDC::TextOutA(int x, int y, const char* text, int length) {
    return ::TextOutA(m_hDC, x, y, text, length);
}
