#include "document/PlatformInteger.h"

namespace wendle::document {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> parsePlatformInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = !text.empty() && text.front() == '$';
    if (hex)
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;

    const std::uint64_t base = hex ? 16 : 10;
    // Decimal magnitudes go up to 2^31 (for the most negative value), hex
    // magnitudes up to 2^32 - 1.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (char c : text) {
        const int digit = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + std::uint64_t(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    // Two's complement reading of the low 32 bits.
    std::uint32_t bits = std::uint32_t(magnitude);
    if (negative)
        bits = ~bits + 1u;
    return std::int32_t(bits);
}

}  // namespace wendle::document
