#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "model/Colour.h"
#include "render/Geometry.h"
#include "render/Raster.h"
#include "render/TextEngine.h"

namespace wendle {

// The pixels a caption covers in its box, as runs of whole pixels: what the
// font colours when it draws the laid-out caption. Laying out and shaping
// text costs far more than the pixels themselves, so a mask is made once per
// caption, font, alignment and box and then only stamped, in whatever colour
// the layer has.
class CaptionMask {
  public:
    using Run = InkRun;

    // Draws text laid out in a width x height box into a mask. Null when the
    // font cannot say exactly which pixels it covers (a font that smooths in
    // spite of being asked not to), or the box is too large to be worth
    // keeping: the caller then has the font draw it directly.
    static std::unique_ptr<CaptionMask> make(const QString& text, const CaptionFont& font,
                                             int alignment, int width, int height);

    // Colours the mask's pixels with the box's top-left corner at (x, y),
    // only inside clip.
    void stamp(Raster& raster, int x, int y, const Rect& clip, Colour colour) const;

    const std::vector<Run>& runs() const { return runs_; }

  private:
    std::vector<Run> runs_;
};

}  // namespace wendle
