#include "platform/win32/ShellError.h"

namespace {

// The shell's result codes (SE_ERR_*) and the system errors they stand for.
struct ShellResultError {
    std::intptr_t result;
    DWORD error;
};
constexpr ShellResultError SHELL_RESULT_ERRORS[] = {
    {0, 8},      // out of memory: ERROR_NOT_ENOUGH_MEMORY
    {2, 2},      // file not found
    {3, 3},      // path not found
    {5, 5},      // access denied
    {8, 8},      // out of memory
    {11, 11},    // bad format
    {26, 32},    // sharing violation
    {27, 1155},  // incomplete association: ERROR_NO_ASSOCIATION
    {28, 1156},  // DDE time-out: ERROR_DDE_FAIL
    {29, 1156},  // DDE failed
    {30, 1156},  // DDE busy
    {31, 1155},  // no association
    {32, 1157},  // DLL not found: ERROR_DLL_NOT_FOUND
};
constexpr DWORD ERROR_GEN_FAILURE_CODE = 31;

}  // namespace

DWORD ErrorOfShellResult(std::intptr_t result) {
    if (result > 32) {
        return 0;
    }
    for (const ShellResultError& known : SHELL_RESULT_ERRORS) {
        if (known.result == result) {
            return known.error;
        }
    }
    return ERROR_GEN_FAILURE_CODE;
}
