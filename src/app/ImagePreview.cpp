// The preview: the current image at its own size at the top-left of the client area.
#include "app/MainDlg.h"
#include "framework/PaintDC.h"
#include "codecs/ImageBuffer.h"

#include <memory>

void CMainDlg::DrawPreview() {
    if (m_image.ImageBits() == nullptr) {
        return;
    }
    CPaintDC dc(this);
    const std::unique_ptr<unsigned char[]> padded = PadRowsTo4Bytes(
        m_image.ImageBits(), m_image.ImageWidth(), m_image.ImageHeight(), m_image.m_nPreviewRowBytes);
    const LONG width = static_cast<LONG>(m_image.ImageWidth());
    const LONG height = static_cast<LONG>(m_image.ImageHeight());
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // positive: the rows are bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    dc.StretchDIBits(0, 0, width, height, 0, 0, width, height, padded.get(), &header, DIB_RGB_COLORS, SRCCOPY);
}
