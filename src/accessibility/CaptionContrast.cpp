#include "accessibility/CaptionContrast.h"

#include <algorithm>
#include <cmath>

#include "accessibility/Contrast.h"

namespace wendle::accessibility {

namespace {

// The nearest rank (from 1) of the worst kWorstShare of count values.
std::size_t worstRank(std::size_t count) {
    return std::max<std::size_t>(1, std::size_t(std::ceil(kWorstShare * double(count))));
}

}  // namespace

double worstShareOf(std::vector<double>& values) {
    const auto nth = values.begin() + std::ptrdiff_t(worstRank(values.size()) - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

std::optional<CaptionContrast> measureCaptionContrast(const Raster& face, const Raster& captioned,
                                                      const InkMask& ink, const Rect& region) {
    if (region.empty())
        return std::nullopt;
    // Each pixel of the region once: its luminance on the face, and whether
    // it belongs to the caption. The pairs below look each up 25 times.
    // A check measures hundreds of faces: the buffers stay between them
    // rather than go back to the system and come again, page by page.
    thread_local std::vector<double> luminance, ratios, surroundings;
    thread_local std::vector<std::uint8_t> isCaption;
    const int width = region.width();
    const std::size_t area = std::size_t(width) * std::size_t(region.height());
    luminance.resize(area);
    isCaption.resize(area);
    for (int y = region.top, i = 0; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x, ++i) {
            const std::uint32_t pixel = face.pixel(x, y);
            luminance[std::size_t(i)] = relativeLuminance(colourOf(pixel));
            isCaption[std::size_t(i)] = ink.at(x, y) || captioned.pixel(x, y) != pixel;
        }
    }

    // Each pair: the ratio of the ink pixel to the surrounding one, and the
    // surrounding one's luminance.
    ratios.clear();
    surroundings.clear();
    int inkPixels = 0;
    for (int y = region.top; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            if (!ink.at(x, y))
                continue;
            ++inkPixels;
            const double inkLuminance = relativeLuminance(colourOf(captioned.pixel(x, y)));
            for (int ny = std::max(y - kSurroundingReach, region.top);
                 ny <= std::min(y + kSurroundingReach, region.bottom - 1); ++ny) {
                const std::size_t row = std::size_t(ny - region.top) * std::size_t(width);
                for (int nx = std::max(x - kSurroundingReach, region.left);
                     nx <= std::min(x + kSurroundingReach, region.right - 1); ++nx) {
                    const std::size_t i = row + std::size_t(nx - region.left);
                    if (isCaption[i])
                        continue;
                    ratios.push_back(contrastRatio(inkLuminance, luminance[i]));
                    surroundings.push_back(luminance[i]);
                }
            }
        }
    }
    if (surroundings.empty())
        return std::nullopt;

    CaptionContrast result;
    result.worst = worstShareOf(ratios);
    // Against black ink the ratio grows with the surrounding's luminance,
    // against white it shrinks: the worst pairs are those of the darkest and
    // of the lightest surroundings, and only those two ratios are needed.
    const std::size_t rank = worstRank(surroundings.size());
    const auto darkest = surroundings.begin() + std::ptrdiff_t(rank - 1);
    std::nth_element(surroundings.begin(), darkest, surroundings.end());
    result.blackWorst = contrastRatio(relativeLuminance(rgb(0, 0, 0)), *darkest);
    const auto lightest = surroundings.end() - std::ptrdiff_t(rank);
    std::nth_element(surroundings.begin(), lightest, surroundings.end());
    result.whiteWorst = contrastRatio(relativeLuminance(rgb(255, 255, 255)), *lightest);
    result.inkPixels = inkPixels;
    return result;
}

}  // namespace wendle::accessibility
