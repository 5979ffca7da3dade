#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/Colour.h"
#include "render/Geometry.h"
#include "render/Raster.h"

namespace wendle::accessibility {

// How far from a caption pixel the face counts as the caption's background.
inline constexpr int kSurroundingReach = 2;
// The share of the worst pairs that decides: a caption is as legible as
// its worst twentieth, so a gradient or picture counts where it lies under
// the text, not on average.
inline constexpr double kWorstShare = 0.05;

// The pixels the caption's main layer covers: its ink, whether or not it
// differs from the face under it (text in the face's own colour is there,
// just invisible).
class InkMask {
  public:
    InkMask() = default;
    explicit InkMask(const Rect& area)
        : area_(area), bits_(std::size_t(area.width()) * std::size_t(area.height())) {}
    void set(int x, int y) { bits_[index(x, y)] = 1; }
    bool at(int x, int y) const { return area_.contains(x, y) && bits_[index(x, y)]; }
    const Rect& area() const { return area_; }

  private:
    std::size_t index(int x, int y) const {
        return std::size_t(y - area_.top) * std::size_t(area_.width()) +
               std::size_t(x - area_.left);
    }
    Rect area_;
    std::vector<std::uint8_t> bits_;
};

// The caption's contrast measured on the drawn face. Caption pixels are the
// pixels of captioned that differ from face (the same face drawn without
// its caption) and the ink; a shadow is therefore caption, but neither ink
// nor background. Every ink pixel is paired with each face pixel within
// kSurroundingReach in any direction that is not a caption pixel, and the
// ratios of all pairs are taken.
struct CaptionContrast {
    double worst = 0;       // the kWorstShare percentile of the ink's ratios
    double blackWorst = 0;  // the same had the caption been black
    double whiteWorst = 0;  // ... or white
    int inkPixels = 0;
};

// Measures within region (face coordinates, inside both rasters). None
// when no ink pixel with a surrounding face pixel shows there.
std::optional<CaptionContrast> measureCaptionContrast(const Raster& face, const Raster& captioned,
                                                      const InkMask& ink, const Rect& region);

// The value below which the worst kWorstShare of values lie (nearest
// rank): the lowest value of a short list, the 5th of 100. values is
// reordered; it must not be empty.
double worstShareOf(std::vector<double>& values);

}  // namespace wendle::accessibility
