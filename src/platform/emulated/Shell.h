// The shell's result codes as the Windows program sees them: ShellExecuteA's result is
// above 32 when done and a small error code otherwise; ShellExecuteExA says FALSE, keeps
// the reason in the last error and the code in hInstApp. A host supplies the opening.
#pragma once

#include "framework/WinTypes.h"

#include <string>

namespace emulated {

// What a program asked the shell to do; a null text is empty here.
struct ShellRequest {
    HWND owner;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int show;
    bool extended;  // ShellExecuteExA
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens as asked; false with errno set when it could not.
    virtual bool Open(const ShellRequest& request) = 0;
    // The process of the opening just done, for a caller that wants to wait on it; null
    // when there is none to give.
    virtual HANDLE StartedProcess() { return nullptr; }
};

HINSTANCE ShellExecute(Shell& shell, HWND hWnd, const char* operation, const char* file, const char* parameters,
                       const char* directory, int showCmd);
BOOL ShellExecuteEx(Shell& shell, SHELLEXECUTEINFOA* info);

}  // namespace emulated
