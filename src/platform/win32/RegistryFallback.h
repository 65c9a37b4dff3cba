// Where a setting lives when the machine-wide key can't be written (a normal user on
// Windows Vista and later): the same key path under HKEY_CURRENT_USER. Existing machine-wide
// settings keep working; a per-user value, once written, is the one read and written.
#pragma once

#include "framework/WinTypes.h"

#include <functional>

struct RegistryCalls {
    std::function<LONG(HKEY root, const char* subKey, const char* data, DWORD cbData)> set;
    std::function<LONG(HKEY root, const char* subKey, char* value, LONG* cbValue)> query;
};

// Under HKEY_LOCAL_MACHINE: the per-user value when there is one, else the machine's,
// else a write refused by the machine goes to the user. Other roots are used as named.
LONG SetValueWithFallback(const RegistryCalls& calls, HKEY root, const char* subKey, const char* data,
                          DWORD cbData);
LONG QueryValueWithFallback(const RegistryCalls& calls, HKEY root, const char* subKey, char* value,
                            LONG* cbValue);
