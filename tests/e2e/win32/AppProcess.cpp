#include "AppProcess.h"

#include <vector>

AppProcess::~AppProcess() {
    if (Running()) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    if (m_info.hProcess != nullptr) {
        CloseHandle(m_info.hProcess);
        CloseHandle(m_info.hThread);
    }
}

bool AppProcess::Start(const std::string& exe, const std::string& environment, const std::string& arguments) {
    std::string name, value;
    if (size_t equals = environment.find('='); equals != std::string::npos) {
        name = environment.substr(0, equals);
        value = environment.substr(equals + 1);
        SetEnvironmentVariableA(name.c_str(), value.c_str());
    }
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    BOOL started = CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &m_info);
    if (!name.empty()) {
        SetEnvironmentVariableA(name.c_str(), nullptr);
    }
    return started != FALSE;
}

bool AppProcess::Running() const {
    return m_info.hProcess != nullptr && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool AppProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (m_info.hProcess == nullptr || WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}
