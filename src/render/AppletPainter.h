#pragma once

#include "model/VelkForm.h"
#include "render/Raster.h"

namespace wendle {

// Draws the applet area exactly as the preview shows it below its tool bar
// (client y >= 25 lands at y - 25): the canvas, then the faces of the given
// state (1..3) in stacking order, back to front, each with its caption, then
// the text box when it is shown. The preview widget and wendle-cli render
// both draw through here. Every cache is used and kept up to date, so a
// repaint with nothing changed only copies pixels.
//
// target becomes the size of the applet. Returns false, drawing nothing,
// when the applet is too large to be drawn.
bool paintApplet(TVelkForm& applet, Raster& target, int state);
// The same for the state the preview shows (the first active one).
bool paintApplet(TVelkForm& applet, Raster& target);
// Draws only the pixels inside dirty, over what target already holds from
// earlier paints: what a window repaints when only part of it changed, such
// as the old and new places of a dragged button. The whole applet when
// target had to change its size.
bool paintApplet(TVelkForm& applet, Raster& target, int state, const Rect& dirty);

// The same into a new raster, for a caller that draws the applet once: each
// face lets its cached pixels go once it is drawn, so a full bar needs the
// memory of one face rather than of all. An empty raster when the applet is
// too large or has no area.
Raster renderApplet(TVelkForm& applet, int state);

}  // namespace wendle
