#include "accessibility/FaceSnapshot.h"

#include "accessibility/Contrast.h"
#include "model/VelkPanel.h"
#include "render/CaptionLayer.h"
#include "render/FaceDrawing.h"
#include "render/Typeface.h"
#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"

namespace wendle::accessibility {

FaceSnapshot snapshotFace(TVelkForm& applet, TVelkPanel& panel) {
    const CanvasDrawing& canvas = paintCanvas(applet);
    const bool selected = panel.selected();
    panel.setSelected(false);
    DrawBorder(panel, canvas.canvasRaster);
    panel.setSelected(selected);
    panel.setModified(true);

    const FaceDrawing& drawing = faceDrawing(panel);
    FaceSnapshot snapshot;
    snapshot.face = drawing.faceRaster;
    snapshot.captioned = drawing.shown();
    const Rect appletArea = Rect::fromSize(0, 0, applet.clientWidth(), applet.appletHeight());
    const Rect bounds = Rect::fromSize(panel.left(), std::int64_t(panel.top()) - kToolBarStrip,
                                       panel.width(), panel.height());
    snapshot.region = bounds.intersected(appletArea)
                          .translated(-bounds.left, -bounds.top)
                          .intersected(snapshot.face.area());
    if (snapshot.region.empty())
        snapshot.region = Rect{};
    snapshot.pointSize = drawing.mainLayer.pointSize();
    snapshot.bold = drawing.mainLayer.style() == kBold;
    return snapshot;
}

double meanLuminance(const FaceSnapshot& snapshot) {
    const Rect& r = snapshot.region;
    if (r.empty())
        return 0;
    double sum = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            sum += relativeLuminance(colourOf(snapshot.face.pixel(x, y)));
        }
    }
    return sum / (double(r.width()) * double(r.height()));
}

}  // namespace wendle::accessibility
