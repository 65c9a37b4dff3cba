#include "platform/emulated/Shell.h"

#include <cerrno>
#include <cstdint>

namespace emulated {

namespace {

constexpr std::uintptr_t DONE = 42;  // any value above 32
constexpr std::uintptr_t SE_ERR_FNF = 2;
constexpr std::uintptr_t SE_ERR_NOASSOC = 31;

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

HINSTANCE Result(bool done) {
    std::uintptr_t code = done ? DONE : errno == ENOENT ? SE_ERR_FNF : SE_ERR_NOASSOC;
    return reinterpret_cast<HINSTANCE>(code);
}

}  // namespace

HINSTANCE ShellExecute(Shell& shell, HWND hWnd, const char* operation, const char* file, const char* parameters,
                       const char* directory, int showCmd) {
    return Result(shell.Open({hWnd, Text(operation), Text(file), Text(parameters), Text(directory), showCmd, false}));
}

BOOL ShellExecuteEx(Shell& shell, SHELLEXECUTEINFOA* info) {
    bool done = shell.Open({info->hwnd, Text(info->lpVerb), Text(info->lpFile), Text(info->lpParameters),
                            Text(info->lpDirectory), info->nShow, true});
    info->hInstApp = Result(done);
    if (done && (info->fMask & SEE_MASK_NOCLOSEPROCESS) != 0) {
        info->hProcess = shell.StartedProcess();
    }
    return done ? TRUE : FALSE;
}

}  // namespace emulated
