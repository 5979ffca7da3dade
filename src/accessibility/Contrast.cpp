#include "accessibility/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace wendle::accessibility {

namespace {

// sRGB channel (0..255) to linear light.
const std::array<double, 256>& linearChannels() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            values[std::size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

}  // namespace

double relativeLuminance(Colour colour) {
    const auto& linear = linearChannels();
    return 0.2126 * linear[redOf(colour)] + 0.7152 * linear[greenOf(colour)] +
           0.0722 * linear[blueOf(colour)];
}

double contrastRatio(double luminanceA, double luminanceB) {
    const double lighter = std::max(luminanceA, luminanceB);
    const double darker = std::min(luminanceA, luminanceB);
    return (lighter + 0.05) / (darker + 0.05);
}

double contrastRatio(Colour a, Colour b) {
    return contrastRatio(relativeLuminance(a), relativeLuminance(b));
}

std::string ratioText(double ratio) {
    // A hair of slack so that 4.5 computed as 4.4999999999 still reads 4.5.
    const long hundredths = long(std::floor(ratio * 100.0 + 1e-6));
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%02ld", hundredths / 100, hundredths % 100);
    std::string result = text;
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    return result;
}

Colour blackOrWhiteAgainst(Colour background) {
    const Colour black = rgb(0, 0, 0), white = rgb(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

}  // namespace wendle::accessibility
