#include "resources/StringTable.h"

namespace {

struct StringEntry {
    UINT id;
    const char* text;
};

constexpr StringEntry STRING_TABLE[] = {
    {IDS_CONFIRMATION, "Confirmation"},
    {IDS_EXIT_QUESTION,
     "This will remove the application from the taskbar and your desktop will not be dynamic. \r\n"
     "If you just want to hide the program from the taskbar, hit the minimize button or choose "
     "Application->Hide from the menu.\r\n\r\nAre you sure you want to exit?"},
    {IDS_NO_IMAGE_LOADED, "No image loaded currently. Open an image first."},
    {IDS_OLD_LIST_FOUND,
     "Previous version of Kaleidra Image List found.\r\n"
     "Click OK to convert the list so it can be used with this version."},
    {IDS_LIST_CONVERTED, "Image List successfully converted."},
    {IDS_OLD_LIST_NOT_DELETED,
     "Attempt to delete old list failed. This may be due to access problems.\r\n"
     "Please delete the older version C:\\Kaleidra\\Kaleidra.lst manually to prevent overwriting the new list."},
    {IDS_IMAGE_ADDED, "Image successfully added to Image List."},
    {IDS_SELECT_ENTRY_FIRST, "Please click on an item (hilight) in the Image List first."},
    {IDS_CONFIRM_REMOVE, "Are you sure you want to remove this image from the Image List?"},
    {IDS_TITLE, "Kaleidra 3.0  "},
    {IDS_ABOUT_NOTICE, "A desktop that changes by itself."},
};

}  // namespace

std::string LoadStringA(UINT id) {
    for (const StringEntry& entry : STRING_TABLE) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}
