#include "render/Raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "image/Picture.h"
#include "platform/FreshMemory.h"

namespace wendle {

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;
// From this many pixels (a quarter of a megabyte) a raster's memory is fresh from the
// system rather than reused from the heap.
constexpr std::size_t kManyPixels = std::size_t(1) << 16;

bool onTheDot(std::int64_t stepsFromStart, Pen pen) {
    return pen == Pen::Solid || stepsFromStart % 2 == 0;
}

}  // namespace

Raster::Raster(Raster&& other) noexcept
    : area_(std::exchange(other.area_, Rect{})), pixels_(std::move(other.pixels_)) {
    other.pixels_.clear();
}

Raster& Raster::operator=(Raster&& other) noexcept {
    if (this != &other) {
        area_ = std::exchange(other.area_, Rect{});
        pixels_ = std::move(other.pixels_);
        other.pixels_.clear();
    }
    return *this;
}

bool Raster::setArea(const Rect& area) {
    if (area.empty()) {
        area_ = area;
        pixels_.clear();
        return true;
    }
    if (std::int64_t(area.width()) * area.height() > kMaxPixels) {
        area_ = Rect{};
        pixels_.clear();
        return false;
    }
    if (area == area_)
        return true;
    area_ = area;
    const std::size_t count = std::size_t(area.width()) * std::size_t(area.height());
    if (count > pixels_.capacity() && count >= kManyPixels) {
        // A new block of the size of a bar: backed in one go, not page by page.
        pixels_ = std::vector<std::uint32_t>();
        pixels_.reserve(count);
        platform::prepareForWriting(pixels_.data(), count * sizeof(std::uint32_t));
    }
    pixels_.assign(count, kBlack);
    return true;
}

void Raster::setPixel(int x, int y, Colour colour) {
    if (area_.contains(x, y))
        row(y)[x - area_.left] = pixelOf(colour);
}

void Raster::fill(const Rect& rect, Colour colour) {
    const Rect clipped = rect.intersected(area_);
    if (clipped.empty())
        return;
    const std::uint32_t pixel = pixelOf(colour);
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        std::uint32_t* out = row(y) + (clipped.left - area_.left);
        std::fill(out, out + clipped.width(), pixel);
    }
}

void Raster::putPixels(int x, int y, const std::uint32_t* pixels, int count) {
    if (y < area_.top || y >= area_.bottom)
        return;
    const std::int64_t from = std::max<std::int64_t>(x, area_.left);
    const std::int64_t to = std::min<std::int64_t>(std::int64_t(x) + count, area_.right);
    if (from >= to)
        return;
    std::memcpy(row(y) + (from - area_.left), pixels + (from - x),
                std::size_t(to - from) * sizeof(std::uint32_t));
}

// Paints the pixels x0..x1 (inclusive) of row y; a dotted pen counts its
// steps from column phaseStart.
void Raster::horizontalSpan(int y, int x0, int x1, std::uint32_t pixel, int phaseStart, Pen pen) {
    if (y < area_.top || y >= area_.bottom)
        return;
    const int from = std::max(x0, area_.left);
    const int to = std::min(x1, area_.right - 1);
    if (from > to)
        return;
    std::uint32_t* out = row(y) + (from - area_.left);
    if (pen == Pen::Solid) {
        std::fill(out, out + (to - from + 1), pixel);
        return;
    }
    for (int x = from; x <= to; ++x, ++out) {
        if (onTheDot(std::abs(std::int64_t(x) - phaseStart), pen))
            *out = pixel;
    }
}

void Raster::verticalSpan(int x, int y0, int y1, std::uint32_t pixel, int phaseStart, Pen pen) {
    if (x < area_.left || x >= area_.right)
        return;
    const int from = std::max(y0, area_.top);
    const int to = std::min(y1, area_.bottom - 1);
    for (int y = from; y <= to; ++y) {
        if (onTheDot(std::abs(std::int64_t(y) - phaseStart), pen))
            row(y)[x - area_.left] = pixel;
    }
}

void Raster::line(int x0, int y0, int x1, int y1, Colour colour, Pen pen) {
    const std::uint32_t pixel = pixelOf(colour);
    if (x0 == x1 && y0 == y1)
        return;
    if (y0 == y1) {
        if (x1 > x0) {
            horizontalSpan(y0, x0, x1 - 1, pixel, x0, pen);
        } else {
            horizontalSpan(y0, x1 + 1, x0, pixel, x0, pen);
        }
        return;
    }
    if (x0 == x1) {
        if (y1 > y0) {
            verticalSpan(x0, y0, y1 - 1, pixel, y0, pen);
        } else {
            verticalSpan(x0, y1 + 1, y0, pixel, y0, pen);
        }
        return;
    }
    // A slanting line: Bresenham's steps, the end point left out.
    const Rect box{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1};
    if (box.intersected(area_).empty())
        return;
    const std::int64_t dx = std::abs(std::int64_t(x1) - x0);
    const std::int64_t dy = -std::abs(std::int64_t(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    std::int64_t error = dx + dy;
    std::int64_t x = x0, y = y0, step = 0;
    while (x != x1 || y != y1) {
        if (onTheDot(step++, pen) && area_.contains(int(x), int(y))) {
            row(int(y))[x - area_.left] = pixel;
        }
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void Raster::outline(const Rect& rect, Colour colour, Pen pen) {
    if (rect.empty())
        return;
    const std::uint32_t pixel = pixelOf(colour);
    const int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
    if (pen == Pen::Solid) {
        horizontalSpan(t, l, r, pixel, l, pen);
        horizontalSpan(b, l, r, pixel, l, pen);
        verticalSpan(l, t, b, pixel, t, pen);
        verticalSpan(r, t, b, pixel, t, pen);
        return;
    }
    // Once round, every pixel visited once, the dots counted all the way.
    std::int64_t step = 0;
    auto dot = [&](int x, int y) {
        if (onTheDot(step++, pen) && area_.contains(x, y))
            row(y)[x - area_.left] = pixel;
    };
    for (int x = l; x <= r; ++x) dot(x, t);
    for (int y = t + 1; y <= b; ++y) dot(r, y);
    if (b > t) {
        for (int x = r - 1; x >= l; --x) dot(x, b);
    }
    if (r > l) {
        for (int y = b - 1; y > t; --y) dot(l, y);
    }
}

void Raster::draw(const Raster& source, int x, int y, const Rect& clip) {
    const Rect target = source.area_.translated(x, y).intersected(area_).intersected(clip);
    if (target.empty())
        return;
    for (int ty = target.top; ty < target.bottom; ++ty) {
        const std::uint32_t* in = source.row(ty - y) + (target.left - x - source.area_.left);
        std::memcpy(row(ty) + (target.left - area_.left), in,
                    std::size_t(target.width()) * sizeof(std::uint32_t));
    }
}

void Raster::drawPicture(const Picture& picture, int x, int y) {
    picture.drawAt(view(), x, y);
}

void Raster::stretchPicture(const Picture& picture, const Rect& rect) {
    picture.drawStretched(view(), rect.left, rect.top, rect.right, rect.bottom);
}

PixelView Raster::view() {
    if (empty())
        return PixelView{};
    return PixelView{pixels_.data(), area_.left, area_.top, width(), height(), width()};
}

std::vector<std::uint32_t> Raster::takePixels() {
    std::vector<std::uint32_t> pixels = std::move(pixels_);
    area_ = Rect{};
    pixels_.clear();
    return pixels;
}

}  // namespace wendle
