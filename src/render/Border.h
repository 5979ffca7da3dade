#pragma once

#include <cstdint>

#include "model/Colour.h"
#include "render/Raster.h"

namespace wendle {

enum BorderStyle : std::int16_t { kFrame = 1, kBevel = 2, kBump = 3 };

// The border fields of a face (borderStyle) or of the applet (bdrStyle).
struct BorderLook {
    std::int16_t style = kFrame;
    bool raised = true;
    std::int16_t width = 0;
    std::int32_t shading = 0;
    Colour colour = 0;
};

// Draws the border on a width x height drawing, line by line in the
// applet's order, so that where lines cross the later one shows. Any style
// other than Frame, Bevel and Bump, and a width below 1, draw nothing.
void drawBorder(Raster& target, int width, int height, const BorderLook& look);

}  // namespace wendle
