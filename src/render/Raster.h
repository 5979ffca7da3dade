#pragma once

#include <cstdint>
#include <vector>

#include "image/PixelView.h"
#include "model/Colour.h"
#include "render/Geometry.h"

namespace wendle {

class Picture;

// The model's colours are 0x00BBGGRR; a raster pixel is 0xFFRRGGBB. These two
// are the only places where the channels change places.
constexpr std::uint32_t pixelOf(Colour colour) {
    return 0xFF000000u | (std::uint32_t(redOf(colour)) << 16) |
           (std::uint32_t(greenOf(colour)) << 8) | blueOf(colour);
}
constexpr Colour colourOf(std::uint32_t pixel) {
    return rgb(std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel));
}

enum class Pen { Solid, Dotted };

// A 32-bit drawing surface. It covers an area of its drawing's coordinates,
// usually (0, 0) to (width, height); a face only partly in view keeps just
// the part that shows. Every primitive takes the drawing's coordinates and
// is clipped to the area, and writes exact pixels: no smoothing, and a line
// includes its start and excludes its end.
class Raster {
  public:
    // Beyond this many pixels a raster refuses its area rather than take
    // gigabytes for a size no screen or page shows.
    static constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

    Raster() = default;
    Raster(const Raster&) = default;
    Raster& operator=(const Raster&) = default;
    // The raster moved from is left empty, its area too.
    Raster(Raster&& other) noexcept;
    Raster& operator=(Raster&& other) noexcept;
    Raster(int width, int height) { setSize(width, height); }

    // Covers area; the pixels stay when the area is unchanged, otherwise the
    // raster starts black. Returns false, leaving the raster empty, for an
    // area beyond kMaxPixels.
    bool setArea(const Rect& area);
    bool setSize(int width, int height) { return setArea(Rect::fromSize(0, 0, width, height)); }

    const Rect& area() const { return area_; }
    int width() const { return area_.width(); }
    int height() const { return area_.height(); }
    bool empty() const { return area_.empty(); }

    std::uint32_t pixel(int x, int y) const { return row(y)[x - area_.left]; }
    Colour colourAt(int x, int y) const { return colourOf(pixel(x, y)); }
    const std::uint32_t* row(int y) const {
        return pixels_.data() + std::size_t(y - area_.top) * std::size_t(width());
    }
    std::uint32_t* row(int y) {
        return pixels_.data() + std::size_t(y - area_.top) * std::size_t(width());
    }

    void setPixel(int x, int y, Colour colour);
    // Fills columns left..right - 1 of rows top..bottom - 1.
    void fill(const Rect& rect, Colour colour);
    void fill(Colour colour) { fill(area_, colour); }
    // Writes count ready-made pixels into row y from column x on.
    void putPixels(int x, int y, const std::uint32_t* pixels, int count);
    // From (x0, y0) included to (x1, y1) excluded. A dotted pen paints every
    // other pixel, starting with the first.
    void line(int x0, int y0, int x1, int y1, Colour colour, Pen pen = Pen::Solid);
    // Columns left and right - 1 and rows top and bottom - 1 of rect. A
    // dotted outline runs once round, clockwise from the top-left corner.
    void outline(const Rect& rect, Colour colour, Pen pen = Pen::Solid);

    // Draws another raster with its point (0, 0) at (x, y); the second
    // form only where it falls inside clip.
    void draw(const Raster& source, int x, int y) { draw(source, x, y, area_); }
    void draw(const Raster& source, int x, int y, const Rect& clip);
    void drawPicture(const Picture& picture, int x, int y);
    void stretchPicture(const Picture& picture, const Rect& rect);

    PixelView view();
    // The pixels themselves, row after row, without a copy; the raster is
    // left empty.
    std::vector<std::uint32_t> takePixels();

  private:
    void verticalSpan(int x, int y0, int y1, std::uint32_t pixel, int phaseStart, Pen pen);
    void horizontalSpan(int y, int x0, int x1, std::uint32_t pixel, int phaseStart, Pen pen);

    Rect area_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace wendle
