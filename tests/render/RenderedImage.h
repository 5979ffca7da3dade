#pragma once

#include <QImage>

#include "model/VelkForm.h"
#include "render/AppletPainter.h"
#include "render/qt/RasterImage.h"

namespace wendle::testing {

// The applet drawn once in a state, as an image to compare.
inline QImage renderedImage(TVelkForm& applet, int state) {
    Raster raster = renderApplet(applet, state);
    return takeImage(raster);
}

}  // namespace wendle::testing
