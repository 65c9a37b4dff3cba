// The other system services over the headless world.
#include "framework/SystemServices.h"
#include "platform/emulated/System.h"
#include "platform/headless/HeadlessWorld.h"

namespace fw {

BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, const char* pvParam, UINT fWinIni) {
    HeadlessWorld::Current().wallpaperCalls.push_back({uiAction, uiParam, pvParam, fWinIni});
    return TRUE;
}

void ExitProcess(UINT exitCode) {
    throw ProcessExit{exitCode};
}

HWND FindWindowA(const char* className, const char* windowName) {
    return HeadlessWorld::Current().FindWindow(className, windowName);
}

BOOL SetForegroundWindow(HWND hWnd) {
    HeadlessWorld::Current().foregroundWindow = hWnd;
    return TRUE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    return hWnd->wnd->ShowWindow(nCmdShow);
}

bool IsWindowsSession() {
    return HeadlessWorld::Current().windowsSession;
}

bool ClaimSingleInstance(const char* name) {
    return HeadlessWorld::Current().claimedInstances.insert(name).second;
}

// Time a program waits passes at once; the world counts it.
void Sleep(DWORD milliseconds) {
    HeadlessWorld::Current().sleptMs += milliseconds;
}

void CoInitialize() {
    ++HeadlessWorld::Current().comInitializations;
}

void CoUninitialize() {
    --HeadlessWorld::Current().comInitializations;
}

HICON LoadIconA(UINT nIDResource) {
    return HeadlessWorld::Current().Icon(nIDResource);
}

// The world's clock keeps local time.
std::string _strdate() {
    std::time_t now = time();
    std::tm local{};
    gmtime_r(&now, &local);
    return emulated::StrDate(local);
}

std::time_t time() {
    return std::chrono::system_clock::to_time_t(HeadlessWorld::Current().Now());
}

int AfxMessageBox(const char* text, UINT type) {
    return HeadlessWorld::Current().ShowMessageBox(nullptr, text, AfxGetAppName(), type);
}

int MessageBoxA(HWND hWnd, const char* text, const char* caption, UINT type) {
    return HeadlessWorld::Current().ShowMessageBox(hWnd, text, caption, type);
}

HWND GetActiveWindow() {
    return HeadlessWorld::Current().ActiveWindow();
}

}  // namespace fw
