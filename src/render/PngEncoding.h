#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "render/Raster.h"

namespace wendle {

// 32-bit 0xAARRGGBB pixels, row after row, stride pixels apart.
struct PngPixels {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    bool alpha = false;  // false: the top byte is not part of the colour
    const std::uint32_t* row(int y) const { return pixels + std::ptrdiff_t(y) * stride; }
};

// The pixels as PNG file bytes with a palette, when they hold at most 256
// colours (every drawn bar without pictures in it, and many with): 1, 2, 4
// or 8 bits a pixel, a smaller file, and the same pixels when read back.
// Nullopt for more colours; empty if zlib fails or there are no pixels.
std::optional<QByteArray> encodeIndexedPng(const PngPixels& pixels);

// As encodeIndexedPng, and an opaque picture of more colours 8 bits a
// channel; empty when it cannot be encoded (more colours with alpha).
QByteArray encodePng(const PngPixels& pixels);

// The raster's pixels as PNG file bytes; empty when it cannot be encoded.
QByteArray encodePng(const Raster& raster);

}  // namespace wendle
