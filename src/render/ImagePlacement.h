#pragma once

#include <cstdint>

#include "render/Raster.h"

namespace wendle {

class Picture;

// imageStyle of a face or of the applet.
enum ImageStyle : std::uint8_t {
    kFree = 0,
    kCenter = 1,
    kLeft = 2,
    kRight = 3,
    kTile = 4,
    kResize = 5
};

struct ImagePlacement {
    int style = kCenter;
    int imageX = 0;       // left for Free
    int imageY = 0;       // top for Free
    int borderWidth = 0;  // margin for Left and Right
};

// Draws the picture on a width x height drawing by its placement: unscaled
// and clipped, or stretched over the whole drawing for Resize. Divisions
// truncate towards zero, so a picture larger than the drawing centres at
// negative coordinates. Tile lays copies row by row from (0, 0); a picture
// without pixels tiles nothing. Any other style draws nothing.
void placeImage(Raster& target, const Picture& picture, int width, int height,
                const ImagePlacement& placement);

}  // namespace wendle
