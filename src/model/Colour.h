#pragma once

#include <cstdint>

namespace wendle {

// A platform colour value 0x00BBGGRR: red in the low byte, then green, then
// blue. Every layer keeps this layout; only the raster converts at the pixel.
using Colour = std::uint32_t;

constexpr std::uint8_t redOf(Colour c) {
    return c & 0xFF;
}
constexpr std::uint8_t greenOf(Colour c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(Colour c) {
    return (c >> 16) & 0xFF;
}
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

}  // namespace wendle
