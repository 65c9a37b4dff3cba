// The preview: the current image at its own size at the top-left of the client area.
#include "app/MainDlg.h"
#include "framework/PaintDC.h"
#include "image/ImageBuffer.h"

#include <memory>

void CMainDlg::DrawPreview() {
    if (m_pImageBits == nullptr) {
        return;
    }
    CPaintDC dc(this);
    std::unique_ptr<unsigned char[]> padded(
        PadRowsTo4Bytes(m_pImageBits, m_nImageWidth, m_nImageHeight, m_nPreviewRowBytes));
    const LONG width = static_cast<LONG>(m_nImageWidth);
    const LONG height = static_cast<LONG>(m_nImageHeight);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // positive: the rows are bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    dc.StretchDIBits(0, 0, width, height, 0, 0, width, height, padded.get(), &header, DIB_RGB_COLORS, SRCCOPY);
}
