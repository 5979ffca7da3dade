#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "image/PixelView.h"

namespace wendle {

struct PictureLimits;
struct PictureLoad;

// A decoded GIF or JPEG image. Pixels are 0xAARRGGBB where an alpha of 0
// marks a transparent GIF pixel (the drawing beneath stays) and every other
// pixel is opaque.
class Picture {
  public:
    static constexpr std::uint32_t kTransparent = 0x00000000u;

    // width x height pixels, row by row; pixels.size() must be width * height.
    Picture(int width, int height, std::vector<std::uint32_t> pixels);

    // Decodes the first frame of a GIF or a JPEG, recognised by its content,
    // within the limits; otherwise says why there is no picture.
    static PictureLoad load(const std::filesystem::path& path, const PictureLimits& limits);
    // The same with the default limits, for callers that need no reason.
    static std::unique_ptr<Picture> fromFile(const std::filesystem::path& path);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t pixel(int x, int y) const {
        return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }

    // Draws the picture unscaled with its top-left corner at (x, y).
    void drawAt(const PixelView& target, int x, int y) const;

    // Draws the picture stretched into the rectangle left..right - 1,
    // top..bottom - 1, taking for each target pixel the picture pixel under
    // its centre. An empty rectangle draws nothing.
    void drawStretched(const PixelView& target, int left, int top, int right, int bottom) const;

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace wendle
