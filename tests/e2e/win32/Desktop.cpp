#include "Desktop.h"

#include "AppProcess.h"
#include "Polling.h"

#include <shlobj.h>
#include <shellapi.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr const char* MAIN_WINDOW_CLASS = "KaleidraMainWindow";
constexpr const char* DIALOG_CLASS = "#32770";
constexpr const char* POPUP_MENU_CLASS = "#32768";

std::string ClassName(HWND hWnd) {
    char name[64] = {};
    GetClassNameA(hWnd, name, sizeof name);
    return name;
}

DWORD ProcessOf(HWND hWnd) {
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    return processId;
}

// The first visible top-level window of the class in the process (any process when 0).
HWND FindTopLevel(const char* className, DWORD processId, bool visibleOnly) {
    for (HWND hWnd = FindWindowExA(nullptr, nullptr, className, nullptr); hWnd != nullptr;
         hWnd = FindWindowExA(nullptr, hWnd, className, nullptr)) {
        if ((processId == 0 || ProcessOf(hWnd) == processId) && (!visibleOnly || IsWindowVisible(hWnd))) {
            return hWnd;
        }
    }
    return nullptr;
}

// A message box's text is its longest static control.
BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam) {
    auto* longest = reinterpret_cast<std::string*>(lParam);
    if (_stricmp(ClassName(child).c_str(), "Static") == 0) {
        std::string text = WindowText(child);
        if (text.size() > longest->size()) {
            *longest = text;
        }
    }
    return TRUE;
}

}  // namespace

HWND FindMainWindow(DWORD processId) {
    return FindTopLevel(MAIN_WINDOW_CLASS, processId, false);
}

int CountMainWindows() {
    int count = 0;
    for (HWND hWnd = FindWindowExA(nullptr, nullptr, MAIN_WINDOW_CLASS, nullptr); hWnd != nullptr;
         hWnd = FindWindowExA(nullptr, hWnd, MAIN_WINDOW_CLASS, nullptr)) {
        ++count;
    }
    return count;
}

std::string WindowText(HWND hWnd) {
    char text[1024] = {};
    GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

std::optional<MessageBoxSeen> FindMessageBox(DWORD processId) {
    HWND box = FindTopLevel(DIALOG_CLASS, processId, true);
    if (box == nullptr) {
        return std::nullopt;
    }
    MessageBoxSeen seen{box, WindowText(box), {}};
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
    return seen;
}

std::optional<MessageBoxSeen> AnswerMessageBox(DWORD processId, int button) {
    std::optional<MessageBoxSeen> box;
    if (!WaitFor([&] { return (box = FindMessageBox(processId)).has_value(); })) {
        return std::nullopt;
    }
    PostMessageA(box->hWnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box->hWnd, button)));
    WaitFor([&] { return !IsWindow(box->hWnd) || !IsWindowVisible(box->hWnd); });
    return box;
}

HWND FindPopupMenu(DWORD processId) {
    return FindTopLevel(POPUP_MENU_CLASS, processId, true);
}

HWND FindTrayIcon() {
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    return tray != nullptr ? FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) : nullptr;
}

void DoubleClick(HWND hWnd) {
    RECT area{};
    GetWindowRect(hWnd, &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, clicks, sizeof(INPUT));
}

bool DropFile(const AppProcess& process, HWND target, const std::string& path) {
    // DROPFILES, then the names, each ending in a zero, and one more zero.
    std::vector<char> block(sizeof(DROPFILES) + path.size() + 2, '\0');
    auto* header = reinterpret_cast<DROPFILES*>(block.data());
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    path.copy(block.data() + sizeof(DROPFILES), path.size());
    void* remote = VirtualAllocEx(process.Handle(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr || !WriteProcessMemory(process.Handle(), remote, block.data(), block.size(), nullptr)) {
        return false;
    }
    return PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& key) {
    char text[256] = {};
    LONG size = sizeof text;
    if (RegQueryValueA(root, key.c_str(), text, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(text);
}

bool WriteRegistryText(HKEY root, const std::string& key, const std::string& text) {
    return RegSetValueA(root, key.c_str(), REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)) ==
           ERROR_SUCCESS;
}

void DeleteRegistryKey(HKEY root, const std::string& key) {
    RegDeleteKeyA(root, key.c_str());
}

std::string CurrentWallpaper() {
    char path[MAX_PATH] = {};
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
    return path;
}

std::string WindowsDirectory() {
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, sizeof path);
    return path;
}

std::string LocalAppDataFolder() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ExeCarriesIcon(const std::string& exe, int id) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    bool found = module != nullptr && FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14)) != nullptr;
    if (module != nullptr) {
        FreeLibrary(module);
    }
    return found;
}

COLORREF ClientPixel(HWND hWnd, POINT point) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ClientToScreen(hWnd, &point);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string CompareWithScreen(HWND hWnd, const std::string& bmpPath) {
    auto* bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, bmpPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP size{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof size, &size) == 0) {
        return "cannot read " + bmpPath;
    }
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int right = size.bmWidth - 1, bottom = size.bmHeight - 1;
    const POINT samples[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}, {right / 2, bottom / 2}};
    std::string difference;
    for (POINT at : samples) {
        COLORREF expected = GetPixel(memory, at.x, at.y);
        COLORREF seen = ClientPixel(hWnd, at);
        if (difference.empty() && seen != expected) {
            char text[128];
            std::snprintf(text, sizeof text, "at %ld,%ld the file has %06lX, the screen %06lX", at.x, at.y,
                          expected, seen);
            difference = text;
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return difference;
}

std::string ComboBoxItems(HWND comboBox) {
    std::string items;
    LRESULT count = SendMessageA(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Wine carries only the wide form of this message whole between processes.
        wchar_t wide[256] = {};
        SendMessageW(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[256] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items += std::string(i > 0 ? "|" : "") + text;
    }
    return items;
}

bool SaveScreenshot(HWND hWnd, const RECT& area, const std::string& path) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<char> bits(static_cast<size_t>(rowBytes) * height);
    int rows = GetDIBits(memory, bitmap, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(bits.data(), static_cast<std::streamsize>(bits.size()));
    return rows == height && out.good();
}
