#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace wendle {

// A coordinate computed in 64 bits, brought back into a range where adding
// any int size cannot overflow.
inline int clampCoordinate(std::int64_t v) {
    return int(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min() / 2,
                                        std::numeric_limits<int>::max() / 2));
}

// A rectangle of pixels: columns left..right - 1, rows top..bottom - 1.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // From a position and a size, clamped so that no edge wraps around.
    static Rect fromSize(std::int64_t left, std::int64_t top, std::int64_t width,
                         std::int64_t height) {
        return Rect{clampCoordinate(left), clampCoordinate(top),
                    clampCoordinate(left + std::max<std::int64_t>(width, 0)),
                    clampCoordinate(top + std::max<std::int64_t>(height, 0))};
    }

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    Rect intersected(const Rect& other) const {
        return Rect{std::max(left, other.left), std::max(top, other.top),
                    std::min(right, other.right), std::min(bottom, other.bottom)};
    }
    Rect translated(int dx, int dy) const {
        return fromSize(std::int64_t(left) + dx, std::int64_t(top) + dy, width(), height());
    }
    bool operator==(const Rect&) const = default;
};

}  // namespace wendle
