#include "render/Gradient.h"

#include <algorithm>
#include <cmath>
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

std::uint8_t channelAt(std::uint8_t start, double slope, int x) {
    // Extended precision and the default rounding mode, which sends ties to
    // the even integer, as the applet computes it.
    const long double step = std::nearbyint(static_cast<long double>(x) * slope);
    const long double value = static_cast<long double>(start) + std::clamp(step, -512.0L, 512.0L);
    return std::uint8_t(std::clamp(value, 0.0L, 255.0L));
}

Colour columnColour(Colour start, const Slopes& slopes, int x) {
    return rgb(channelAt(redOf(start), slopes.red, x), channelAt(greenOf(start), slopes.green, x),
               channelAt(blueOf(start), slopes.blue, x));
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

    const Slopes slopes = slopesOf(start, end, inset, width);
    std::vector<std::uint32_t> columns(std::size_t(x1 - x0 + 1));
    for (std::int64_t x = x0; x <= x1; ++x) {
        columns[std::size_t(x - x0)] = pixelOf(columnColour(start, slopes, int(x)));
    }
    // Row by row rather than column by column: the same pixels, in memory order.
    for (std::int64_t y = y0; y <= y1; ++y) {
        target.putPixels(int(x0), int(y), columns.data(), int(columns.size()));
    }
}

}  // namespace wendle
