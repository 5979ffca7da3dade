#pragma once

#include <cstdint>

#include "model/VelkPanel.h"
#include "render/Geometry.h"
#include "render/Raster.h"

namespace wendle {

// Rebuilds a face's raster in the applet's order: background (the canvas
// showing through, the gradient, or bkColor), picture, border, highlight
// box, selection mark; and hands the caption layers their text and font.
// Despite its name it draws the whole face. canvasRaster is the applet's
// canvas (used when the face is transparent). The face is kept both with
// and without its caption (FaceDrawing::captionApart), for whoever compares
// the two. Clears the face's modified flag.
void DrawBorder(TVelkPanel& face, const Raster& canvasRaster);
// The same for the part area (face coordinates) only.
void DrawBorder(TVelkPanel& face, const Raster& canvasRaster, const Rect& area);

// Paints the face with its caption onto target (applet coordinates: the
// face sits at (left, top - 25)). Only the part inside target is drawn and
// kept; the cached pixels are copied as they are unless the face is stale
// (see FaceDrawing::Drawn). A face drawn here keeps one raster, the face as
// shown. canvasGeneration tells a transparent face whether the canvas
// behind it was redrawn.
void paintFace(TVelkPanel& face, const Raster& canvasRaster, std::uint64_t canvasGeneration,
               Raster& target);
// The same, touching only the pixels of target inside clip; a face wholly
// outside clip is left as it is, stale or not.
void paintFace(TVelkPanel& face, const Raster& canvasRaster, std::uint64_t canvasGeneration,
               Raster& target, const Rect& clip);

}  // namespace wendle
