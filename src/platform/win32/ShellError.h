// The system error behind a failed shell execution: the shell reports some failures only as
// its old small result code (hInstApp), leaving the last error as it was.
#pragma once

#include "framework/WinTypes.h"

#include <cstdint>

// The error code for a shell result of 32 or less; ERROR_SUCCESS for a result above 32.
DWORD ErrorOfShellResult(std::intptr_t result);
