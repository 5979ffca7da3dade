#include "render/VelkFormCanvas.h"

#include "render/Border.h"
#include "render/ColourMath.h"
#include "render/Gradient.h"
#include "render/ImagePlacement.h"

namespace wendle {

namespace {

Rect canvasArea(const TVelkForm& applet) {
    return Rect::fromSize(0, 0, std::max(applet.clientWidth(), 0),
                          std::max(applet.appletHeight(), 0));
}

}  // namespace

bool DrawBorder(TVelkForm& applet) {
    CanvasDrawing& drawing = canvasDrawing(applet);
    drawing.pictureChanged = false;
    ++drawing.generation;
    Raster& raster = drawing.canvasRaster;
    if (!raster.setArea(canvasArea(applet)))
        return false;
    const int w = raster.width(), h = raster.height();

    if (applet.fade()) {
        fadeBackground(applet.bkColor(), applet.fadeColor(), applet.borderWidth(), w, h, raster);
    } else {
        raster.fill(Rect{0, 0, w, h}, applet.bkColor());
    }
    if (drawing.picture) {
        placeImage(raster, *drawing.picture, w, h,
                   ImagePlacement{applet.imageStyle(), applet.imageX(), applet.imageY(),
                                  applet.borderWidth()});
    }
    if (applet.grid())
        drawGrid(applet);
    drawBorder(raster, w, h,
               BorderLook{applet.bdrStyle(), applet.raised(), applet.borderWidth(),
                          applet.borderShading(), applet.borderColor()});
    return true;
}

void drawGrid(TVelkForm& applet) {
    const int gridX = applet.gridX(), gridY = applet.gridY();
    if (gridY == 0 || gridX == 0)
        return;
    Raster& raster = canvasDrawing(applet).canvasRaster;
    const Colour pen = contrastColor(applet.bkColor());
    const int rows = applet.clientHeight() / gridY;
    const int columns = applet.clientWidth() / gridX;
    // Dots beyond the raster are clipped; the loops stop at its edge rather
    // than walk a huge client size dot by dot.
    const Rect& area = raster.area();
    for (int j = 0; j <= rows && j * gridY < area.bottom; ++j) {
        for (int i = 0; i <= columns && i * gridX < area.right; ++i) {
            raster.setPixel(i * gridX, j * gridY, pen);
        }
    }
}

const CanvasDrawing& paintCanvas(TVelkForm& applet) {
    CanvasDrawing& drawing = canvasDrawing(applet);
    const bool sizeChanged = drawing.canvasRaster.area() != canvasArea(applet);
    if (applet.modif() || sizeChanged || drawing.pictureChanged || drawing.generation == 0) {
        DrawBorder(applet);
        applet.setModif(false);
    }
    return drawing;
}

}  // namespace wendle
