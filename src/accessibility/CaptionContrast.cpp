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
                                                      const InkMask& ink, const Rect& region) {
    auto isCaption = [&](int x, int y) {
        return ink.at(x, y) || captioned.pixel(x, y) != face.pixel(x, y);
    };

    // Each pair: the luminance of the ink pixel and of the surrounding one.
    std::vector<double> inks, surroundings;
    int inkPixels = 0;
    for (int y = region.top; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            if (!ink.at(x, y))
                continue;
            ++inkPixels;
            const double inkLuminance = relativeLuminance(colourOf(captioned.pixel(x, y)));
            for (int dy = -kSurroundingReach; dy <= kSurroundingReach; ++dy) {
                for (int dx = -kSurroundingReach; dx <= kSurroundingReach; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (!region.contains(nx, ny) || isCaption(nx, ny))
                        continue;
                    inks.push_back(inkLuminance);
                    surroundings.push_back(relativeLuminance(colourOf(face.pixel(nx, ny))));
                }
            }
        }
    }
    if (surroundings.empty())
        return std::nullopt;

    // inkLuminance < 0: the ink as drawn; otherwise that ink instead.
    auto worstAgainst = [&](double inkLuminance) {
        std::vector<double> ratios(surroundings.size());
        for (std::size_t i = 0; i < ratios.size(); ++i)
            ratios[i] = contrastRatio(inkLuminance < 0 ? inks[i] : inkLuminance, surroundings[i]);
        return worstShareOf(ratios);
    };
    CaptionContrast result;
    result.worst = worstAgainst(-1);
    result.blackWorst = worstAgainst(relativeLuminance(rgb(0, 0, 0)));
    result.whiteWorst = worstAgainst(relativeLuminance(rgb(255, 255, 255)));
    result.inkPixels = inkPixels;
    return result;
}

}  // namespace wendle::accessibility
