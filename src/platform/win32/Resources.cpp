#include "platform/win32/Resources.h"

#include "framework/Templates.h"
#include "platform/win32/EmbeddedImageFiles.h"
#include "framework/ResourceData.h"

#include <cstring>
#include <map>
#include <span>
#include <utility>
#include <vector>

namespace win32 {

namespace {

constexpr DWORD ICON_FORMAT_VERSION = 0x00030000;

HMENU BuildItems(std::span<const MenuItemTemplate> items, HMENU menu) {
    for (const MenuItemTemplate& item : items) {
        const UINT alignment = item.rightAligned ? MF_RIGHTJUSTIFY : 0;
        if (item.text == nullptr) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.popup.empty()) {
            HMENU popup = BuildItems(item.popup, CreatePopupMenu());
            AppendMenuA(menu, MF_POPUP | alignment, reinterpret_cast<UINT_PTR>(popup), item.text);
        } else {
            AppendMenuA(menu, MF_STRING | alignment, item.id, item.text);
        }
    }
    return menu;
}

HBITMAP MakeBitmap(std::span<const unsigned char> bitmapFile) {
    std::optional<PackedBitmap> packed = PackBitmapFile(bitmapFile);
    if (!packed) {
        return nullptr;
    }
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &packed->Info()->bmiHeader, CBM_INIT, packed->bits, packed->Info(),
                                    DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

HICON EmbeddedIcon(UINT id, int size) {
    static std::map<std::pair<UINT, int>, HICON> icons;
    auto [entry, inserted] = icons.try_emplace({id, size}, nullptr);
    if (inserted) {
        ByteSpan image = FindIconImage(FindResourceData(ResourceKind::Icon, id), size);
        if (!image.empty()) {
            entry->second = CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()),
                                                     TRUE, ICON_FORMAT_VERSION, size, size, LR_DEFAULTCOLOR);
        }
    }
    return entry->second;
}

// The header sits 14 bytes into the file, where the system would read it unaligned.
std::optional<PackedBitmap> PackBitmapFile(std::span<const unsigned char> bitmapFile) {
    std::optional<BitmapFileParts> parts = SplitBitmapFile(bitmapFile);
    if (!parts) {
        return std::nullopt;
    }
    PackedBitmap packed;
    packed.header.resize((parts->info.size() + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(packed.header.data(), parts->info.data(), parts->info.size());
    packed.bits = parts->bits.data();
    return packed;
}

// A picture control does not own the bitmap it is given, so one made per dialog would
// outlive it; each bitmap is made once and shared by every dialog that shows it.
HBITMAP EmbeddedBitmap(UINT id) {
    static std::map<UINT, HBITMAP> bitmaps;
    auto [entry, inserted] = bitmaps.try_emplace(id, nullptr);
    if (inserted) {
        entry->second = MakeBitmap(FindResourceData(ResourceKind::Bitmap, id));
    }
    return entry->second;
}

HMENU BuildMenu(UINT menuId) {
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    return menu != nullptr ? BuildItems(menu->items, CreateMenu()) : nullptr;
}

}  // namespace win32
