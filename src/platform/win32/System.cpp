// The other system services over KERNEL32, USER32, SHELL32, OLE32 and the C runtime: each
// is the call of the same name.
#include "framework/SystemServices.h"
#include "framework/WinApp.h"
#include "platform/win32/Resources.h"

#include <objbase.h>

#include <cstdlib>
#include <vector>

namespace fw {

BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, const char* pvParam, UINT fWinIni) {
    return ::SystemParametersInfoA(uiAction, uiParam, const_cast<char*>(pvParam), fWinIni);
}

void ExitProcess(UINT exitCode) {
    ::ExitProcess(exitCode);
}

HWND FindWindowA(const char* className, const char* windowName) {
    return ::FindWindowA(className, windowName);
}

BOOL SetForegroundWindow(HWND hWnd) {
    return ::SetForegroundWindow(hWnd);
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    return ::ShowWindow(hWnd, nCmdShow);
}

bool IsWindowsSession() {
    return true;
}

// The mutex is never closed: the process holds the name until it ends. One that cannot be
// made at all decides nothing, so the program starts.
bool ClaimSingleInstance(const char* name) {
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name);
    return mutex == nullptr || ::GetLastError() != ERROR_ALREADY_EXISTS;
}

void Sleep(DWORD milliseconds) {
    ::Sleep(milliseconds);
}

void CoInitialize() {
    ::CoInitialize(nullptr);
}

void CoUninitialize() {
    ::CoUninitialize();
}

HICON LoadIconA(UINT nIDResource) {
    return LoadIconA(nIDResource, ::GetSystemMetrics(SM_CXICON));
}

HICON LoadIconA(UINT nIDResource, int size) {
    return win32::EmbeddedIcon(nIDResource, size);
}

UINT RegisterWindowMessageA(const char* name) {
    return ::RegisterWindowMessageA(name);
}

int GetSystemMetrics(int nIndex) {
    return ::GetSystemMetrics(nIndex);
}

std::string DragQueryFileA(HDROP hDrop, UINT index) {
    UINT length = ::DragQueryFileA(hDrop, index, nullptr, 0);
    if (length == 0) {
        return {};
    }
    std::vector<char> path(length + 1);
    length = ::DragQueryFileA(hDrop, index, path.data(), length + 1);
    return std::string(path.data(), length);
}

void DragFinish(HDROP hDrop) {
    ::DragFinish(hDrop);
}

std::string _strdate() {
    char date[9 + 1] = {};
    ::_strdate(date);
    return date;
}

std::time_t time() {
    return std::time(nullptr);
}

void srand(unsigned seed) {
    std::srand(seed);
}

int rand() {
    return std::rand();
}

// The framework's own box is owned by the active window, else by the main window.
int AfxMessageBox(const char* text, UINT type) {
    HWND owner = ::GetActiveWindow();
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != nullptr) {
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    }
    return ::MessageBoxA(owner, text, AfxGetAppName().c_str(), type);
}

int MessageBoxA(HWND hWnd, const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(hWnd, text, caption, type);
}

HWND GetActiveWindow() {
    return ::GetActiveWindow();
}

}  // namespace fw
