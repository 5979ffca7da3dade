#include "render/AppletPainter.h"

#include "render/FaceDrawing.h"
#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"
#include "render/VelkTextBoxDrawing.h"

namespace wendle {

namespace {

// Whether each face keeps its pixels for the next paint, or lets them go
// once they are on the target.
enum class FaceCaches { Keep, Release };

// The faces of the state in stacking order, then the text box, over what
// target holds inside clip.
void paintFacesAndTextBox(TVelkForm& applet, const CanvasDrawing& canvas, Raster& target, int state,
                          const Rect& clip, FaceCaches caches) {
    for (int slot : applet.stackingOrder()) {
        if (TVelkPanel* face = applet.statePanel(state, slot)) {
            paintFace(*face, canvas.canvasRaster, canvas.generation, target, clip);
            if (caches == FaceCaches::Release)
                faceDrawing(*face).releasePixels();
        }
    }
    paintTextBox(applet, target, clip);
}

// Whether a face of the state shows the canvas through itself.
bool anyFaceSeeThrough(const TVelkForm& applet, int state) {
    for (int slot : applet.usedSlots()) {
        const TVelkPanel* face = applet.statePanel(state, slot);
        if (face && face->transparentBk())
            return true;
    }
    return false;
}

Rect appletArea(const TVelkForm& applet) {
    return Rect::fromSize(0, 0, std::max(applet.clientWidth(), 0),
                          std::max(applet.appletHeight(), 0));
}

}  // namespace

bool paintApplet(TVelkForm& applet, Raster& target, int state, const Rect& dirty) {
    const CanvasDrawing& canvas = paintCanvas(applet);
    const Rect area = appletArea(applet);
    const bool resized = target.area() != area;
    if (canvas.canvasRaster.area() != area || !target.setArea(area)) {
        target.setArea(Rect{});
        return false;
    }
    // A new raster holds nothing to keep.
    const Rect clip = resized ? area : dirty.intersected(area);
    if (clip.empty())
        return true;
    target.draw(canvas.canvasRaster, 0, 0, clip);
    paintFacesAndTextBox(applet, canvas, target, state, clip, FaceCaches::Keep);
    return true;
}

bool paintApplet(TVelkForm& applet, Raster& target, int state) {
    return paintApplet(applet, target, state,
                       Rect::fromSize(0, 0, applet.clientWidth(), applet.appletHeight()));
}

bool paintApplet(TVelkForm& applet, Raster& target) {
    return paintApplet(applet, target, applet.shownState());
}

Raster renderApplet(TVelkForm& applet, int state) {
    paintCanvas(applet);
    CanvasDrawing& canvas = canvasDrawing(applet);
    const Rect area = appletArea(applet);
    if (area.empty() || canvas.canvasRaster.area() != area)
        return Raster();
    Raster target;
    if (anyFaceSeeThrough(applet, state) || canvas.picture) {
        target.setArea(area);
        target.draw(canvas.canvasRaster, 0, 0);
    } else {
        // Nothing reads the canvas once the faces are drawn, so they are
        // drawn straight onto it; the canvas, a fill or a gradient that costs
        // no more to draw again than to copy, is drawn at its next paint. A
        // canvas with a picture is copied instead.
        target = std::move(canvas.canvasRaster);
    }
    paintFacesAndTextBox(applet, canvas, target, state, area, FaceCaches::Release);
    return target;
}

}  // namespace wendle
