#pragma once

#include "accessibility/CaptionContrast.h"
#include "model/VelkForm.h"
#include "render/Geometry.h"
#include "render/Raster.h"

namespace wendle::accessibility {

// One face as a visitor sees it: drawn by the render layer without the
// editor's selection mark, with and without its caption. Only the part of
// the face inside the applet is drawn: the rasters cover region alone.
struct FaceSnapshot {
    Raster face;        // without the caption
    Raster captioned;   // with it; the same pixels when the caption is empty
    InkMask ink;        // what the caption's main layer covers
    Rect region;        // the part of the face inside the applet (face coordinates)
    int pointSize = 0;  // the caption's size and weight as drawn
    bool bold = false;
};

// Draws the face of panel. The face's cached raster is left stale, so the
// preview draws it again (with its selection mark) at its next paint.
FaceSnapshot snapshotFace(TVelkForm& applet, TVelkPanel& panel);

// The mean relative luminance of the face without its caption over region;
// 0 for an empty region.
double meanLuminance(const FaceSnapshot& snapshot);

}  // namespace wendle::accessibility
