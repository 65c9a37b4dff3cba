// The file dialog's filter: Windows' "Description|patterns|...||" with patterns separated
// by ';', as Qt's name filters "Description (pattern pattern)", each pattern ignoring case.
#pragma once

#include <QStringList>

#include <string_view>

QStringList NameFiltersFromWindowsFilter(std::string_view filter);
