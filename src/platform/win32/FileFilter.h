// The file dialog's filter as the system takes it: "Description|patterns|...||" with each
// '|' a zero, so the list ends in two zeros.
#pragma once

#include <string>
#include <string_view>

std::string SystemFileFilter(std::string_view filter);
