// CPaintDC: the painting of one WM_PAINT, begun on construction and ended on destruction.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Wnd.h"

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

    // Draws a bottom-up 24-bit bitmap without a colour table (header only).
    int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                      int srcHeight, const void* bits, const BITMAPINFOHEADER* header, UINT usage, DWORD rop);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    // Copies part of a bitmap onto the window, stretched to the destination rectangle.
    BOOL StretchBlt(int x, int y, int width, int height, const CBitmap& bitmap, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);

    // Text, in the surface's default font.
    int SetBkMode(int mode);
    COLORREF SetTextColor(COLORREF color);
    BOOL GetTextMetricsA(TEXTMETRICA* metrics);
    BOOL TextOutA(int x, int y, const char* text, int length);

private:
    CWnd* m_pWnd;
    HDC m_hDC = nullptr;
};
