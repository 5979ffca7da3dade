#include "render/AppletPainter.h"

#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"
#include "render/VelkTextBoxDrawing.h"

namespace wendle {

bool paintApplet(TVelkForm& applet, Raster& target, int state, const Rect& dirty) {
    const CanvasDrawing& canvas = paintCanvas(applet);
    const Raster& canvasRaster = canvas.canvasRaster;
    const Rect area =
        Rect::fromSize(0, 0, std::max(applet.clientWidth(), 0), std::max(applet.appletHeight(), 0));
    const bool resized = target.area() != area;
    if (canvasRaster.area() != area || !target.setArea(area)) {
        target.setArea(Rect{});
        return false;
    }
    // A new raster holds nothing to keep.
    const Rect clip = resized ? area : dirty.intersected(area);
    if (clip.empty())
        return true;
    target.draw(canvasRaster, 0, 0, clip);
    for (int slot : applet.stackingOrder()) {
        if (TVelkPanel* face = applet.statePanel(state, slot)) {
            paintFace(*face, canvasRaster, canvas.generation, target, clip);
        }
    }
    paintTextBox(applet, target, clip);
    return true;
}

bool paintApplet(TVelkForm& applet, Raster& target, int state) {
    return paintApplet(applet, target, state,
                       Rect::fromSize(0, 0, applet.clientWidth(), applet.appletHeight()));
}

bool paintApplet(TVelkForm& applet, Raster& target) {
    return paintApplet(applet, target, applet.shownState());
}

QImage renderApplet(TVelkForm& applet, int state) {
    Raster target;
    if (!paintApplet(applet, target, state))
        return QImage();
    return target.toQImage();
}

}  // namespace wendle
