#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace wendle {

// printf-style formatting into a std::string, for the fixed message texts.
template <typename... Args>
std::string formatText(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0)
        return {};
    std::string text(std::size_t(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(std::size_t(length));
    return text;
}

// 16777216 -> "16,777,216"
inline std::string groupedNumber(std::int64_t value) {
    std::string digits = std::to_string(value);
    const std::size_t firstDigit = digits[0] == '-' ? 1 : 0;
    for (std::size_t at = digits.size(); at > firstDigit + 3;) {
        at -= 3;
        digits.insert(at, 1, ',');
    }
    return digits;
}

}  // namespace wendle
