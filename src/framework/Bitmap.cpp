#include "framework/Bitmap.h"

#include "framework/ResourceData.h"

namespace {

constexpr std::size_t FILE_HEADER_SIZE = 14;
constexpr std::size_t INFO_HEADER_SIZE = 40;

LONG ReadLong(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<LONG>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                             static_cast<unsigned>(bytes[at + 3]) << 24);
}

}  // namespace

BOOL CBitmap::LoadBitmapA(UINT nIDResource) {
    std::span<const unsigned char> file = FindResourceData(ResourceKind::Bitmap, nIDResource);
    if (file.size() < FILE_HEADER_SIZE + INFO_HEADER_SIZE) {
        return FALSE;
    }
    m_file = file;
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* info) const {
    if (m_file.empty()) {
        return 0;
    }
    const std::span<const unsigned char> header = m_file.subspan(FILE_HEADER_SIZE);
    *info = {};
    info->bmWidth = ReadLong(header, 4);
    info->bmHeight = ReadLong(header, 8);
    info->bmPlanes = 1;
    info->bmBitsPixel = static_cast<WORD>(header[14] | header[15] << 8);
    info->bmWidthBytes = (info->bmWidth * info->bmBitsPixel + 15) / 16 * 2;
    return static_cast<int>(sizeof(BITMAP));
}

BOOL CBitmap::DeleteObject() {
    BOOL loaded = !m_file.empty();
    m_file = {};
    return loaded;
}
