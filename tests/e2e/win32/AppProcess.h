// One run of the program under test, as a user starts it.
#pragma once

#include <windows.h>

#include <string>

class AppProcess {
public:
    AppProcess() = default;
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;
    // A run the checks left going is ended; ending one that has ended does nothing.
    ~AppProcess() {
        if (m_info.hProcess != nullptr) {
            TerminateProcess(m_info.hProcess, 99);
            WaitForSingleObject(m_info.hProcess, 5000);
            CloseHandle(m_info.hProcess);
            CloseHandle(m_info.hThread);
        }
    }

    bool Start(const std::string& exe, const std::string& arguments = {}) {
        std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &m_info) != FALSE;
    }
    // The exit code once the process has ended within the time; false while it runs on.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
        if (m_info.hProcess == nullptr || WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
            return false;
        }
        GetExitCodeProcess(m_info.hProcess, exitCode);
        return true;
    }
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }

private:
    PROCESS_INFORMATION m_info{};
};
