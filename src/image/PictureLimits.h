#pragma once

#include <cstdint>

namespace wendle {

// A button or background picture far beyond these sizes is refused rather
// than decoded: a damaged or hostile file may declare a size that would take
// gigabytes, and no page would show it anyway.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 26;  // 256 MiB of pixels

inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

}  // namespace wendle
