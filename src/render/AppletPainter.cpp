#include "render/AppletPainter.h"

#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"
#include "render/VelkTextBoxDrawing.h"

namespace wendle {

bool paintApplet(TVelkForm& applet, Raster& target, int state) {
    const CanvasDrawing& canvas = paintCanvas(applet);
    const Raster& canvasRaster = canvas.canvasRaster;
    const Rect area =
        Rect::fromSize(0, 0, std::max(applet.clientWidth(), 0), std::max(applet.appletHeight(), 0));
    if (canvasRaster.area() != area || !target.setArea(area)) {
        target.setArea(Rect{});
        return false;
    }
    target.draw(canvasRaster, 0, 0);
    for (int slot : applet.stackingOrder()) {
        if (TVelkPanel* face = applet.statePanel(state, slot)) {
            paintFace(*face, canvasRaster, canvas.generation, target);
        }
    }
    paintTextBox(applet, target);
    return true;
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
