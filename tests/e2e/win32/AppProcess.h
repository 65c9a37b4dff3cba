// One run of the program under test, as a user starts it.
#pragma once

#include <windows.h>

#include <string>

class AppProcess {
public:
    AppProcess() = default;
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;
    ~AppProcess();

    bool Start(const std::string& exe, const std::string& arguments = {});
    bool Running() const;
    // The exit code once the process has ended within the time; false while it runs on.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }

private:
    PROCESS_INFORMATION m_info{};
};
