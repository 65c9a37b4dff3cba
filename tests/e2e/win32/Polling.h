// Bounded waiting on a condition seen from outside the program.
#pragma once

#include <windows.h>

inline constexpr DWORD DEFAULT_WAIT_MS = 10000;

template <class Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = DEFAULT_WAIT_MS) {
    const ULONGLONG start = GetTickCount64();
    while (!condition()) {
        if (GetTickCount64() - start >= timeoutMs) {
            return condition();
        }
        Sleep(10);
    }
    return true;
}
