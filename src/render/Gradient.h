#pragma once

#include "model/Colour.h"
#include "render/Raster.h"

namespace wendle {

// The horizontal gradient of a face or of the canvas: one colour per column
// x from inset to width - inset - 1, each channel start + nearest(x * slope)
// with x the absolute column, the product in extended precision and ties
// going to the even integer, clamped to 0..255; each column a line from
// (x, inset) to (x, height - inset), end excluded. Nothing else is touched,
// and nothing is drawn when width - 2 * inset is 0 or less.
void fadeBackground(Colour start, Colour end, int inset, int width, int height, Raster& target);

// The colour of column x of that gradient.
Colour gradientColumnColour(Colour start, Colour end, int inset, int width, int x);

}  // namespace wendle
