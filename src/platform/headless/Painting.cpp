// CPaintDC over the headless world: every operation is recorded for the test to inspect.
#include "framework/PaintDC.h"
#include "platform/headless/HeadlessWorld.h"

#include <cstdlib>
#include <utility>

namespace {

PaintRecord NewRecord(PaintRecord::Kind kind, HWND hWnd, RECT dest) {
    PaintRecord record{};
    record.kind = kind;
    record.hWnd = hWnd;
    record.dest = dest;
    return record;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_hDC(reinterpret_cast<HDC>(pWnd->m_hWnd)) {
    m_pWnd->m_hWnd->bkMode = OPAQUE;
    m_pWnd->m_hWnd->textColor = RGB(0, 0, 0);
}

CPaintDC::~CPaintDC() {
    m_pWnd->m_hWnd->needsPaint = false;
}

int CPaintDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int, int, int, int,
                            const void* bits, const BITMAPINFOHEADER* header, UINT, DWORD) {
    PaintRecord record = NewRecord(PaintRecord::Kind::StretchDIBits, m_pWnd->m_hWnd, {xDest, yDest, destWidth, destHeight});
    record.header = *header;
    if (bits != nullptr) {
        std::size_t rowBytes = (static_cast<std::size_t>(header->biWidth) * header->biBitCount + 31) / 32 * 4;
        auto* bytes = static_cast<const unsigned char*>(bits);
        record.bits.assign(bytes, bytes + rowBytes * static_cast<std::size_t>(std::abs(header->biHeight)));
    }
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return bits != nullptr ? destHeight : 0;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    PaintRecord record = NewRecord(PaintRecord::Kind::DrawIcon, m_pWnd->m_hWnd, {x, y, 0, 0});
    record.icon = hIcon;
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return TRUE;
}

BOOL CPaintDC::StretchBlt(int x, int y, int width, int height, const CBitmap& bitmap, int xSrc, int ySrc,
                          int srcWidth, int srcHeight, DWORD) {
    BITMAP info{};
    if (bitmap.GetBitmap(&info) == 0) {
        return FALSE;
    }
    PaintRecord record = NewRecord(PaintRecord::Kind::StretchBlt, m_pWnd->m_hWnd, {x, y, width, height});
    record.header.biWidth = info.bmWidth;
    record.header.biHeight = info.bmHeight;
    record.header.biBitCount = info.bmBitsPixel;
    record.source = {xSrc, ySrc, srcWidth, srcHeight};
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return TRUE;
}

int CPaintDC::SetBkMode(int mode) {
    return std::exchange(m_pWnd->m_hWnd->bkMode, mode);
}

COLORREF CPaintDC::SetTextColor(COLORREF color) {
    return std::exchange(m_pWnd->m_hWnd->textColor, color);
}

// The system font of a headless screen: 13 pixels and 3 of leading between lines.
BOOL CPaintDC::GetTextMetricsA(TEXTMETRICA* metrics) {
    *metrics = {};
    metrics->tmHeight = 13;
    metrics->tmAscent = 10;
    metrics->tmDescent = 3;
    metrics->tmExternalLeading = 3;
    metrics->tmAveCharWidth = 6;
    metrics->tmMaxCharWidth = 12;
    return TRUE;
}

BOOL CPaintDC::TextOutA(int x, int y, const char* text, int length) {
    PaintRecord record = NewRecord(PaintRecord::Kind::TextOut, m_pWnd->m_hWnd, {x, y, 0, 0});
    record.text.assign(text, static_cast<std::size_t>(length));
    record.textColor = m_pWnd->m_hWnd->textColor;
    record.bkMode = m_pWnd->m_hWnd->bkMode;
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return TRUE;
}
