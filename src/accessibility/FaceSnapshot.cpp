#include "accessibility/FaceSnapshot.h"

#include "accessibility/Contrast.h"
#include "model/VelkPanel.h"
#include "render/CaptionLayer.h"
#include "render/FaceDrawing.h"
#include "render/Raster.h"
#include "render/Typeface.h"
#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"
#include "render/Windows1252.h"

namespace wendle::accessibility {

namespace {

// The main layer drawn alone, as the face draws it (clipped to the face),
// over two different grounds: a pixel is ink where either ground changed,
// so a caption in the very colour of one ground still shows on the other.
InkMask inkOf(const TVelkPanel& panel, const FaceDrawing& drawing, const Rect& area) {
    InkMask mask(area);
    if (!drawing.hasCaption || area.empty())
        return mask;
    const QRect faceBox(0, 0, panel.width(), panel.height());
    const Rect clip = area.intersected(Rect::fromSize(0, 0, panel.width(), panel.height()));
    const QString caption = fromWindows1252(panel.caption());
    constexpr Colour kGrounds[] = {0x000000, 0xFFFFFF};
    for (const Colour ground : kGrounds) {
        Raster raster;
        if (!raster.setArea(area))
            return mask;
        raster.fill(ground);
        drawing.mainLayer.draw(raster, caption, faceBox, clip);
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (raster.colourAt(x, y) != ground)
                    mask.set(x, y);
            }
        }
    }
    return mask;
}

}  // namespace

FaceSnapshot snapshotFace(TVelkForm& applet, TVelkPanel& panel) {
    FaceSnapshot snapshot;
    // Only the part of the face inside the applet shows, and only that is drawn.
    const Rect appletArea = Rect::fromSize(0, 0, applet.clientWidth(), applet.appletHeight());
    const Rect bounds = Rect::fromSize(panel.left(), std::int64_t(panel.top()) - kToolBarStrip,
                                       panel.width(), panel.height());
    const Rect region = bounds.intersected(appletArea).translated(-bounds.left, -bounds.top);
    if (region.empty())
        return snapshot;

    const CanvasDrawing& canvas = paintCanvas(applet);
    const bool selected = panel.selected();
    panel.setSelected(false);
    DrawBorder(panel, canvas.canvasRaster, region);
    panel.setSelected(selected);
    panel.setModified(true);

    const FaceDrawing& drawing = faceDrawing(panel);
    snapshot.face = drawing.faceRaster;
    snapshot.captioned = drawing.shown();
    snapshot.region = snapshot.face.area();
    snapshot.ink = inkOf(panel, drawing, snapshot.region);
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
