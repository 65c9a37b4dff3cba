// What a user and the system see of the program: its windows and message boxes, files,
// registry values and the wallpaper; and what they do to it: answer, drop, click, look.
#pragma once

#include "AppProcess.h"
#include "Polling.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct MessageBoxSeen {
    HWND hWnd;
    std::string caption;
    std::string text;
};

inline constexpr const char* MAIN_WINDOW_CLASS = "KaleidraMainWindow";
inline constexpr const char* DIALOG_CLASS = "#32770";
inline constexpr const char* POPUP_MENU_CLASS = "#32768";

inline std::string WindowText(HWND hWnd) {
    char text[1024] = {};
    GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

// The top-level windows of the class (and title when one is given) in the process, the
// visible ones only when asked.
inline std::vector<HWND> TopLevels(const char* className, DWORD processId, bool visibleOnly,
                                   const char* title = nullptr) {
    std::vector<HWND> found;
    for (HWND hWnd = FindWindowExA(nullptr, nullptr, className, title); hWnd != nullptr;
         hWnd = FindWindowExA(nullptr, hWnd, className, title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hWnd, &owner);
        if (owner == processId && (!visibleOnly || IsWindowVisible(hWnd))) {
            found.push_back(hWnd);
        }
    }
    return found;
}

// What a call that fills a buffer of MAX_PATH characters leaves there.
template <class Fill>
std::string FilledPath(Fill fill) {
    char path[MAX_PATH] = {};
    fill(path);
    return path;
}

inline HWND First(const std::vector<HWND>& windows) {
    return windows.empty() ? nullptr : windows.front();
}

// A message box's text is its longest static control.
inline BOOL CALLBACK CollectStaticText(HWND child, LPARAM lParam) {
    auto* longest = reinterpret_cast<std::string*>(lParam);
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (_stricmp(className, "Static") == 0) {
        std::string text = WindowText(child);
        if (text.size() > longest->size()) {
            *longest = text;
        }
    }
    return TRUE;
}

// The program's main window, found by its window class among the process's windows.
inline HWND FindMainWindow(DWORD processId) {
    return First(TopLevels(MAIN_WINDOW_CLASS, processId, false));
}

inline RECT WindowArea(HWND hWnd) {
    RECT area{};
    GetWindowRect(hWnd, &area);
    return area;
}

// A message box of the process open now, other than the dialog named besides.
inline std::optional<MessageBoxSeen> FindMessageBox(DWORD processId, HWND besides = nullptr) {
    std::vector<HWND> boxes = TopLevels(DIALOG_CLASS, processId, true);
    std::erase(boxes, besides);
    HWND box = First(boxes);
    if (box == nullptr) {
        return std::nullopt;
    }
    MessageBoxSeen seen{box, WindowText(box), {}};
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
    return seen;
}

// The pop-up menu the process shows now.
inline HWND FindPopupMenu(DWORD processId) {
    return First(TopLevels(POPUP_MENU_CLASS, processId, true));
}

// Drops one file on the window: a DROPFILES block written into the process, then WM_DROPFILES.
inline bool DropFile(const AppProcess& process, HWND target, const std::string& path) {
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

inline bool WriteRegistryText(HKEY root, const std::string& key, const std::string& text) {
    return RegSetValueA(root, key.c_str(), REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)) ==
           ERROR_SUCCESS;
}

// A file of that name in the temporary folder.
inline std::string TempPath(const std::string& name) {
    return FilledPath([](char* path) { GetTempPathA(MAX_PATH, path); }) + name;
}

// This driver's own exe, which other roles start.
inline std::string DriverExe() {
    return FilledPath([](char* path) { GetModuleFileNameA(nullptr, path, MAX_PATH); });
}

inline std::string WindowsDirectory() {
    return FilledPath([](char* path) { GetWindowsDirectoryA(path, MAX_PATH); });
}

// A folder of the shell by its CSIDL (the user's StartUp folder, say) as the shell reports it.
inline std::string ShellFolder(int csidl) {
    return FilledPath([=](char* path) { SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path); });
}

// Shared for deleting too: a file the program replaces while it is read here must not make
// the replacement fail.
inline std::optional<std::string> ReadTextFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string text;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        text.append(chunk, read);
    }
    CloseHandle(file);
    return text;
}

// The colour the screen shows at a point of the window's client area.
inline COLORREF ClientPixel(HWND hWnd, POINT point) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ClientToScreen(hWnd, &point);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The item texts of a combo or list box of another process, '|' between them.
inline std::string ItemTexts(HWND control, UINT countMessage, UINT textMessage) {
    std::string items;
    LRESULT count = SendMessageA(control, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Wine carries only the wide form of these messages whole between processes.
        wchar_t wide[MAX_PATH + 1] = {};
        SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(wide));
        char text[MAX_PATH + 1] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.append(i == 0 ? "" : "|").append(text);
    }
    return items;
}

// A dialog of the process with that title, shown now.
inline HWND FindDialog(DWORD processId, const std::string& title) {
    return First(TopLevels(DIALOG_CLASS, processId, true, title.c_str()));
}

// A click on a dialog's button, as the button itself makes it (the dialog hears of it later).
inline void ClickButton(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// A key pressed and released with the window in front, as the keyboard delivers it.
inline void PressKey(HWND hWnd, WORD key) {
    SetForegroundWindow(hWnd);
    WaitFor([&] { return GetForegroundWindow() == hWnd; });
    INPUT strokes[2] = {};
    for (int i = 0; i < 2; ++i) {
        strokes[i].type = INPUT_KEYBOARD;
        strokes[i].ki.wVk = key;
        strokes[i].ki.dwFlags = i == 0 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(2, strokes, sizeof(INPUT));
}

// What the screen shows of the rectangle as a bottom-up DIB of that depth; empty on failure.
inline std::vector<char> CaptureScreen(const RECT& area, WORD bitCount, BITMAPINFOHEADER& info) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = bitCount;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = (static_cast<DWORD>(width) * bitCount / 8 + 3) & ~3u;
    std::vector<char> bits(static_cast<size_t>(rowBytes) * height);
    int rows = GetDIBits(memory, bitmap, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return rows == height ? bits : std::vector<char>{};
}

// The colours the screen shows over the rectangle; none when it can't be read.
inline std::set<COLORREF> ScreenColours(HWND hWnd, const RECT& area) {
    RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    BITMAPINFOHEADER info{};
    std::vector<char> bits = CaptureScreen(area, 32, info);
    std::set<COLORREF> colours;
    for (size_t at = 0; at + 3 < bits.size(); at += 4) {
        auto* pixel = reinterpret_cast<const unsigned char*>(bits.data() + at);
        colours.insert(RGB(pixel[2], pixel[1], pixel[0]));
    }
    return colours;
}

// Saves what the screen shows of the rectangle as a 24-bit BMP, once the window given has
// repainted itself (a repaint asked of another process may come only after the capture).
inline bool SaveScreen(const RECT& area, const std::string& path, HWND repaintFirst = nullptr) {
    if (repaintFirst != nullptr) {
        RedrawWindow(repaintFirst, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    BITMAPINFOHEADER info{};
    std::vector<char> bits = CaptureScreen(area, 24, info);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(bits.data(), static_cast<std::streamsize>(bits.size()));
    return !bits.empty() && out.good();
}

struct ShortcutSeen {
    std::string target;
    std::string workingDir;
    std::string description;
};

// A shell link as the shell reads it; nothing when it can't.
inline std::optional<ShortcutSeen> ReadShortcut(const std::string& path) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return std::nullopt;
    }
    std::optional<ShortcutSeen> seen;
    IPersistFile* file = nullptr;
    std::wstring widePath(path.begin(), path.end());
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
            char target[MAX_PATH] = {}, folder[MAX_PATH] = {}, description[MAX_PATH] = {};
            link->GetPath(target, sizeof target, nullptr, 0);
            link->GetWorkingDirectory(folder, sizeof folder);
            link->GetDescription(description, sizeof description);
            seen = ShortcutSeen{target, folder, description};
        }
        file->Release();
    }
    link->Release();
    return seen;
}
