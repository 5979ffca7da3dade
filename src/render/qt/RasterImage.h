#pragma once

#include <QImage>

#include "render/Raster.h"

namespace wendle {

// A QImage over the raster's own pixels (for QPainter and for painting on
// screen); its (0, 0) is the area's top-left corner. Valid until the area
// changes.
QImage imageOver(Raster& raster);

// An independent copy of the raster's pixels.
QImage copyToImage(const Raster& raster);

// The raster's pixels as an image of their own, without a copy; the raster
// is left empty.
QImage takeImage(Raster& raster);

}  // namespace wendle
