#include "accessibility/CaptionContrast.h"

#include <algorithm>
#include <cmath>

#include "accessibility/Contrast.h"

namespace wendle::accessibility {

double worstShareOf(std::vector<double>& values) {
    const std::size_t rank =
        std::max<std::size_t>(1, std::size_t(std::ceil(kWorstShare * double(values.size()))));
    const auto nth = values.begin() + std::ptrdiff_t(rank - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

std::optional<CaptionContrast> measureCaptionContrast(const Raster& face, const Raster& captioned,
                                                      Colour ink, const Rect& region) {
    const std::uint32_t inkPixel = pixelOf(ink);
    auto isCaption = [&](int x, int y) { return captioned.pixel(x, y) != face.pixel(x, y); };

    // Luminance of each surrounding pixel of each pair.
    std::vector<double> surroundings;
    int inkPixels = 0;
    for (int y = region.top; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            if (!isCaption(x, y) || captioned.pixel(x, y) != inkPixel)
                continue;
            ++inkPixels;
            for (int dy = -kSurroundingReach; dy <= kSurroundingReach; ++dy) {
                for (int dx = -kSurroundingReach; dx <= kSurroundingReach; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (region.contains(nx, ny) && !isCaption(nx, ny))
                        surroundings.push_back(relativeLuminance(colourOf(face.pixel(nx, ny))));
                }
            }
        }
    }
    if (surroundings.empty())
        return std::nullopt;

    auto worstAgainst = [&surroundings](double inkLuminance) {
        std::vector<double> ratios;
        ratios.reserve(surroundings.size());
        for (double l : surroundings) ratios.push_back(contrastRatio(inkLuminance, l));
        return worstShareOf(ratios);
    };
    CaptionContrast result;
    result.worst = worstAgainst(relativeLuminance(ink));
    result.blackWorst = worstAgainst(0.0);
    result.whiteWorst = worstAgainst(1.0);
    result.inkPixels = inkPixels;
    return result;
}

}  // namespace wendle::accessibility
