#pragma once

#include <cstdint>

namespace wendle {

// A window onto 32-bit pixels laid out 0xFFRRGGBB (the layout a QImage of
// Format_RGB32 uses), addressed in the coordinates of the drawing it belongs
// to: pixels[0] is the point (left, top). Drawing through a view is clipped
// to left..left + width - 1 and top..top + height - 1.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels from one row to the next

    bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
    std::uint32_t* row(int y) const { return pixels + std::int64_t(y - top) * stride; }
};

}  // namespace wendle
