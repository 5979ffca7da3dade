#include "settings/ExtendedFloat.h"

#include <cmath>

namespace wendle {

namespace {

constexpr int kBias = 16383;
constexpr std::uint16_t kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ull;

}  // namespace

ExtendedBytes toExtended(double value) {
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    if (std::isnan(value)) {
        exponent = kMaxExponent;
        mantissa = kIntegerBit | (kIntegerBit >> 1);  // a quiet NaN
    } else if (std::isinf(value)) {
        exponent = kMaxExponent;
        mantissa = kIntegerBit;
    } else if (value != 0) {
        int power = 0;
        double fraction = std::frexp(std::fabs(value), &power);  // in [0.5, 1)
        mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        exponent = static_cast<std::uint16_t>(power - 1 + kBias);
    }
    if (std::signbit(value))
        exponent |= 0x8000;

    ExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    bytes[8] = static_cast<std::uint8_t>(exponent);
    bytes[9] = static_cast<std::uint8_t>(exponent >> 8);
    return bytes;
}

double fromExtended(const ExtendedBytes& bytes) {
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    const std::uint16_t signAndExponent = static_cast<std::uint16_t>(bytes[8] | (bytes[9] << 8));
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & kMaxExponent;

    double magnitude = 0;
    if (exponent == kMaxExponent) {
        magnitude = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
    } else if (mantissa != 0) {
        // Denormals (exponent 0) share the exponent of the smallest normal.
        const int power = (exponent == 0 ? 1 : exponent) - kBias - 63;
        magnitude = std::ldexp(static_cast<double>(mantissa), power);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace wendle
