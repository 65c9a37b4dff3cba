#include "core/SettingText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace core {
namespace {

std::string_view SkipBlanks(std::string_view text) {
    size_t start = text.find_first_not_of(" \t\n\v\f\r");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

}  // namespace

int ParseSettingInt(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    constexpr long long LIMIT = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min(value * 10 + (c - '0'), LIMIT);
    }
    value = negative ? -value : std::min(value, LIMIT - 1);
    return static_cast<int>(value);
}

float ParseSettingFloat(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond a double's range: the sign and the exponent's sign still say where.
        size_t exponent = text.find_first_of("eE");
        bool tiny = exponent != std::string_view::npos && exponent + 1 < text.size() && text[exponent + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
        if (text.front() == '-') {
            value = -value;
        }
    } else if (error != std::errc{}) {
        return 0.0f;
    }
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

std::string FormatSettingFloat(float value) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

}  // namespace core
