#include "platform/win32/FileFilter.h"

#include <algorithm>

std::string SystemFileFilter(std::string_view filter) {
    std::string system(filter);
    std::ranges::replace(system, '|', '\0');
    // A filter written without its closing "||" still ends the list.
    while (system.size() < 2 || system[system.size() - 1] != '\0' || system[system.size() - 2] != '\0') {
        system.push_back('\0');
    }
    return system;
}
