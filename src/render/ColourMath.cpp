#include "render/ColourMath.h"

#include <algorithm>
#include <limits>

namespace wendle {

namespace {

std::uint8_t shifted(std::uint8_t channel, int delta) {
    return std::uint8_t(std::clamp(int(channel) + delta, 0, 255));
}

std::uint8_t contrast(std::uint8_t channel) {
    return channel < 128 ? 255 : 0;
}

}  // namespace

Colour getColor(Colour colour, std::int16_t delta) {
    return rgb(shifted(redOf(colour), delta), shifted(greenOf(colour), delta),
               shifted(blueOf(colour), delta));
}

Colour contrastColor(Colour colour) {
    return rgb(contrast(redOf(colour)), contrast(greenOf(colour)), contrast(blueOf(colour)));
}

double getIncrement(int from, int to, int steps) {
    const double difference = double(to) - double(from);
    if (difference != 0 && steps != 0)
        return difference / steps;
    return difference;
}

std::int16_t clampedDelta(std::int64_t value) {
    return std::int16_t(std::clamp<std::int64_t>(value, std::numeric_limits<std::int16_t>::min(),
                                                 std::numeric_limits<std::int16_t>::max()));
}

}  // namespace wendle
