#pragma once

#include <array>
#include <cstdint>

namespace wendle {

// The 10-byte extended-precision number in which floating-point and
// date-time settings are stored: a 64-bit mantissa with an explicit integer
// bit, then 15 bits of exponent (bias 16383) and the sign, little-endian.
// Built by arithmetic, so it does not depend on the machine's own formats.
using ExtendedBytes = std::array<std::uint8_t, 10>;

// Exact for every double, infinities and NaN included.
ExtendedBytes toExtended(double value);

// Rounded to the nearest double; values beyond its range become infinite
// or zero.
double fromExtended(const ExtendedBytes& bytes);

}  // namespace wendle
