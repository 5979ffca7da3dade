#include "render/Gradient.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "render/ColourMath.h"

namespace wendle {

namespace {

struct Slopes {
    double red, green, blue;
};

Slopes slopesOf(Colour start, Colour end, int inset, int width) {
    const std::int64_t columns = std::int64_t(width) - 2 * std::int64_t(inset);
    const int steps = int(std::clamp<std::int64_t>(columns, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    return Slopes{getIncrement(redOf(start), redOf(end), steps),
                  getIncrement(greenOf(start), greenOf(end), steps),
                  getIncrement(blueOf(start), blueOf(end), steps)};
}

// The nearest integer, an exact half going to the even one: what the
// default rounding mode gives, without switching the floating point
// environment or the x87 control word on every column. Beyond +-1024 every
// channel saturates anyway; within, a double holds the whole part closely
// enough, and the fraction left over is exact in extended precision.
std::int64_t nearestStep(long double value) {
    const long double v = std::clamp(value, -1024.0L, 1024.0L);
    const auto whole = static_cast<std::int64_t>(static_cast<double>(v));
    const long double fraction = v - static_cast<long double>(whole);
    if (fraction > 0.5L || (fraction == 0.5L && (whole & 1)))
        return whole + 1;
    if (fraction < -0.5L || (fraction == -0.5L && (whole & 1)))
        return whole - 1;
    return whole;
}

std::uint8_t channelAt(std::uint8_t start, double slope, int x) {
    if (slope == 0)
        return start;  // a channel that does not change, as most do
    // The product in extended precision, as the applet computes it.
    const std::int64_t step = nearestStep(static_cast<long double>(x) * slope);
    return std::uint8_t(std::clamp<std::int64_t>(start + step, 0, 255));
}

Colour columnColour(Colour start, const Slopes& slopes, int x) {
    return rgb(channelAt(redOf(start), slopes.red, x), channelAt(greenOf(start), slopes.green, x),
               channelAt(blueOf(start), slopes.blue, x));
}

// The pixels of columns x0..x1. The buttons of a bar mostly share one look,
// so the last row worked out is kept and reused while nothing it depends on
// changes (one entry per drawing thread).
const std::vector<std::uint32_t>& gradientColumns(Colour start, Colour end, int inset, int width,
                                                  int x0, int x1) {
    struct Row {
        Colour start = 0, end = 0;
        int inset = 0, width = 0, x0 = 0, x1 = -1;
        std::vector<std::uint32_t> pixels;
    };
    thread_local Row last;
    if (last.start == start && last.end == end && last.inset == inset && last.width == width &&
        last.x0 == x0 && last.x1 == x1) {
        return last.pixels;
    }
    const Slopes slopes = slopesOf(start, end, inset, width);
    last.pixels.resize(std::size_t(x1 - x0 + 1));
    for (int x = x0; x <= x1; ++x) {
        last.pixels[std::size_t(x - x0)] = pixelOf(columnColour(start, slopes, x));
    }
    last.start = start, last.end = end, last.inset = inset, last.width = width;
    last.x0 = x0, last.x1 = x1;
    return last.pixels;
}

}  // namespace

Colour gradientColumnColour(Colour start, Colour end, int inset, int width, int x) {
    return columnColour(start, slopesOf(start, end, inset, width), x);
}

void fadeBackground(Colour start, Colour end, int inset, int width, int height, Raster& target) {
    const std::int64_t b = inset;
    const std::int64_t lastColumn = std::int64_t(width) - b - 1;
    if (lastColumn < b || target.empty())
        return;

    // Each column is a line from row b towards row height - b, that row
    // excluded: downwards normally, upwards when the inset exceeds half the height.
    const std::int64_t endRow = std::int64_t(height) - b;
    if (endRow == b)
        return;
    const std::int64_t firstRow = endRow > b ? b : endRow + 1;
    const std::int64_t lastRow = endRow > b ? endRow - 1 : b;

    const Rect& area = target.area();
    const std::int64_t x0 = std::max<std::int64_t>(b, area.left);
    const std::int64_t x1 = std::min<std::int64_t>(lastColumn, area.right - 1);
    const std::int64_t y0 = std::max<std::int64_t>(firstRow, area.top);
    const std::int64_t y1 = std::min<std::int64_t>(lastRow, area.bottom - 1);
    if (x0 > x1 || y0 > y1)
        return;

    const std::vector<std::uint32_t>& columns =
        gradientColumns(start, end, inset, width, int(x0), int(x1));
    // Row by row rather than column by column: the same pixels, in memory order.
    for (std::int64_t y = y0; y <= y1; ++y) {
        target.putPixels(int(x0), int(y), columns.data(), int(columns.size()));
    }
}

}  // namespace wendle
