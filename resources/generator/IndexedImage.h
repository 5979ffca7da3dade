#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace wendle::content {

// A picture of at most 256 colours, as a GIF holds it.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;          // opaque colours; the transparent one included
    std::vector<std::uint8_t> indices;  // row by row
    int transparentIndex = -1;          // -1: every pixel is opaque
};

// Reduces a picture to an indexed one. A pixel at least half opaque keeps
// its own colour (so an edge drawn with smoothing stays crisp against any
// page colour); a more transparent pixel becomes the transparent index. With
// more colours than fit, the palette is found by median cut, weighted by how
// often each colour occurs, and every pixel takes its nearest palette colour.
// The result depends only on the pixels.
IndexedImage quantise(const QImage& picture);

}  // namespace wendle::content
