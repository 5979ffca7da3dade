#pragma once

#include "model/VelkForm.h"
#include "render/CanvasDrawing.h"

namespace wendle {

// Rebuilds the whole canvas raster (client width x client height - 25) in
// the applet's order: background (gradient or bkColor), picture by its
// placement, grid dots when the grid is on, border. Returns false, leaving
// the raster empty, when the applet is too large to be drawn at all.
bool DrawBorder(TVelkForm& applet);

// Sets the grid dots in the canvas raster: the pixel (i x gridX, j x gridY)
// for j = 0..client height div gridY and i = 0..client width div gridX, in
// contrastColor(bkColor); none when either spacing is 0. The rows reach the
// full client height, so the last ones fall outside and are clipped.
void drawGrid(TVelkForm& applet);

// The canvas as it must show now: rebuilt when modif is set, its size
// changed or a new picture was loaded (clearing modif), otherwise as cached.
const CanvasDrawing& paintCanvas(TVelkForm& applet);

}  // namespace wendle
