#pragma once

#include "model/VelkForm.h"
#include "render/Raster.h"

namespace wendle {

// The edge colours of the text box: the 3-D highlight and shadow of a
// classic window scheme.
inline constexpr Colour kHighlight3D = 0x00FFFFFF;
inline constexpr Colour kShadow3D = 0x00808080;

// Draws the text box w x h (its own coordinates, (0, 0) its top-left
// corner) onto box: a one-pixel raised edge (highlight on the left column
// and top row, shadow on the right column and bottom row), the inside filled
// with textBoxBkColor, and its caption on one line, centred, its top at
// (h - line height) div 2, in the text-box font and textBoxTextColor,
// clipped inside the edge. A typeface, size or style outside the applet's
// tables leaves the text box panel's own.
void drawTextBox(const TVelkForm& applet, Raster& box);

// Paints the text box at (left, top - 25) onto target (applet coordinates)
// when textBoxVisible is set, from a cache that is redrawn only when its
// look or size changed.
void paintTextBox(TVelkForm& applet, Raster& target);
// The same, touching only the pixels of target inside clip.
void paintTextBox(TVelkForm& applet, Raster& target, const Rect& clip);

}  // namespace wendle
