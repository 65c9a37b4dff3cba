// The text forms of stored settings. Independent of the C library's locale, so a
// setting written under one language reads back the same under another.
#pragma once

#include <string>
#include <string_view>

namespace core {

// As atoi: leading blanks, an optional sign, the digits up to the first non-digit;
// 0 when there are none. Out-of-range values saturate instead of overflowing.
int ParseSettingInt(std::string_view text);

// As atof narrowed to float: leading blanks, then the longest number at the start
// ("inf" and "nan" included); 0 when there is none. Values beyond float's range
// become infinite.
float ParseSettingFloat(std::string_view text);

// As "%.2f".
std::string FormatSettingFloat(float value);

}  // namespace core
