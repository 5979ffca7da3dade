#include "render/CaptionMask.h"

#include <algorithm>
#include <vector>

#include "render/CaptionLayout.h"

namespace wendle {

namespace {

// Boxes beyond this many pixels are drawn directly: such a face is rare and
// its mask would cost more memory than it saves time.
constexpr std::int64_t kMaxMaskPixels = std::int64_t(1) << 20;

}  // namespace

std::unique_ptr<CaptionMask> CaptionMask::make(const QString& text, const CaptionFont& font,
                                               int alignment, int width, int height) {
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > kMaxMaskPixels)
        return nullptr;
    auto mask = std::make_unique<CaptionMask>();
    if (!font.ink(layOutCaption(text, font, width, height, alignment), width, height, mask->runs_))
        return nullptr;
    return mask;
}

void CaptionMask::stamp(Raster& raster, int x, int y, const Rect& clip, Colour colour) const {
    const Rect limit = clip.intersected(raster.area());
    if (limit.empty())
        return;
    // A caption is a few hundred short runs: each is clipped and written
    // here rather than through a general fill.
    const std::uint32_t pixel = pixelOf(colour);
    const int areaLeft = raster.area().left;
    for (const Run& run : runs_) {
        const int row = y + run.y;
        if (row < limit.top || row >= limit.bottom)
            continue;
        const int from = std::max(x + run.left, limit.left);
        const int to = std::min(x + run.right, limit.right);
        if (from >= to)
            continue;
        std::uint32_t* out = raster.row(row) + (from - areaLeft);
        std::fill(out, out + (to - from), pixel);
    }
}

}  // namespace wendle
