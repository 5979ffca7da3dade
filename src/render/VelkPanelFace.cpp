#include "render/VelkPanelFace.h"

#include <algorithm>
#include <limits>

#include "model/VelkForm.h"
#include "render/Border.h"
#include "render/ColourMath.h"
#include "render/FaceDrawing.h"
#include "render/Gradient.h"
#include "render/ImagePlacement.h"
#include "render/Windows1252.h"

namespace wendle {

namespace {

void drawBackground(const TVelkPanel& face, const Raster& canvasRaster, Raster& raster) {
    const int w = face.width(), h = face.height();
    if (face.transparentBk()) {
        // The canvas pixel under each face pixel; nothing else, whatever fade says.
        raster.draw(canvasRaster, clampCoordinate(-std::int64_t(face.left())),
                    clampCoordinate(std::int64_t(kToolBarStrip) - face.top()));
    } else if (face.fade()) {
        fadeBackground(face.bkColor(), face.fadeColor(), face.borderWidth(), w, h, raster);
    } else {
        raster.fill(Rect{0, 0, w, h}, face.bkColor());
    }
}

void drawHighlight(const TVelkPanel& face, Raster& raster) {
    const int w = face.width(), h = face.height();
    const Colour colour = face.highlightColor();
    raster.line(0, 0, w - 1, 0, colour);
    raster.line(0, 0, 0, h - 1, colour);
    raster.line(0, h - 1, w, h - 1, colour);
    raster.line(w - 1, 0, w - 1, h - 1, colour);
}

void takeCaptionSettings(const TVelkPanel& face, FaceDrawing& drawing) {
    drawing.mainLayer.takeSettings(face.fontName(), face.fontSize(), face.fontStyle(),
                                   face.fontAlignment(), face.fontColor());
    drawing.shadowShown = face.fontShadow();
    if (drawing.shadowShown) {
        drawing.shadowLayer.takeSettings(face.fontName(), face.fontSize(), face.fontStyle(),
                                         face.fontAlignment(), face.fontShadowColor());
    }
}

// Whether the face is also kept as it is without its caption.
enum class Uncaptioned { Keep, Drop };

// The caption layers lie over the face and are clipped to it, each to its
// own box as well: the shadow's box starts one pixel up and left.
void drawCaptions(const TVelkPanel& face, FaceDrawing& drawing, Uncaptioned uncaptioned) {
    const QString text = fromWindows1252(face.caption());
    drawing.hasCaption = !text.isEmpty();
    drawing.captionApart = drawing.hasCaption && uncaptioned == Uncaptioned::Keep;
    if (!drawing.captionApart)
        drawing.captioned = Raster();
    if (!drawing.hasCaption)
        return;
    Raster& target = drawing.captionApart ? drawing.captioned : drawing.faceRaster;
    if (drawing.captionApart) {
        drawing.captioned.setArea(drawing.faceRaster.area());
        drawing.captioned.draw(drawing.faceRaster, 0, 0);
    }

    const Rect faceBox{0, 0, face.width(), face.height()};
    if (drawing.shadowShown) {
        const QRect box(-1, -1, face.width(), face.height());
        drawing.shadowLayer.draw(
            target, text, box,
            Rect{-1, -1, face.width() - 1, face.height() - 1}.intersected(faceBox));
    }
    drawing.mainLayer.draw(target, text, QRect(0, 0, face.width(), face.height()), faceBox);
}

void drawFace(TVelkPanel& face, FaceDrawing& drawing, const Raster& canvasRaster, const Rect& area,
              Uncaptioned uncaptioned) {
    const int w = face.width(), h = face.height();
    drawing.drawn.reset();
    drawing.hasCaption = false;
    drawing.captionApart = false;
    if (!drawing.faceRaster.setArea(area) || drawing.faceRaster.empty())
        return;
    Raster& raster = drawing.faceRaster;

    drawBackground(face, canvasRaster, raster);
    if (drawing.picture && !face.transparentBk()) {
        placeImage(
            raster, *drawing.picture, w, h,
            ImagePlacement{face.imageStyle(), face.imageX(), face.imageY(), face.borderWidth()});
    }
    drawBorder(raster, w, h,
               BorderLook{face.borderStyle(), face.raised(), face.borderWidth(),
                          face.borderShading(), face.borderColor()});
    if (face.showHighlight())
        drawHighlight(face, raster);
    takeCaptionSettings(face, drawing);
    if (face.selected()) {
        raster.outline(Rect{2, 2, w - 2, h - 2}, contrastColor(face.bkColor()), Pen::Dotted);
    }
    drawCaptions(face, drawing, uncaptioned);
}

}  // namespace

void DrawBorder(TVelkPanel& face, const Raster& canvasRaster, const Rect& area) {
    drawFace(face, faceDrawing(face), canvasRaster, area, Uncaptioned::Keep);
    face.setModified(false);
}

void DrawBorder(TVelkPanel& face, const Raster& canvasRaster) {
    DrawBorder(face, canvasRaster, Rect::fromSize(0, 0, face.width(), face.height()));
}

void paintFace(TVelkPanel& face, const Raster& canvasRaster, std::uint64_t canvasGeneration,
               Raster& target) {
    paintFace(face, canvasRaster, canvasGeneration, target, target.area());
}

void paintFace(TVelkPanel& face, const Raster& canvasRaster, std::uint64_t canvasGeneration,
               Raster& target, const Rect& clip) {
    const int w = face.width(), h = face.height();
    if (w <= 0 || h <= 0)
        return;
    const Rect bounds = Rect::fromSize(face.left(), std::int64_t(face.top()) - kToolBarStrip, w, h);
    const Rect onTarget = bounds.intersected(target.area());
    // A face out of sight gets no raster at all.
    if (onTarget.empty() || onTarget.intersected(clip).empty())
        return;
    const Rect area = onTarget.translated(-bounds.left, -bounds.top);

    FaceDrawing& drawing = faceDrawing(face);
    const bool transparent = face.transparentBk();
    FaceDrawing::Drawn wanted{w,
                              h,
                              area,
                              face.selected(),
                              face.caption(),
                              transparent,
                              transparent ? face.left() : 0,
                              transparent ? face.top() : 0,
                              transparent ? canvasGeneration : 0};
    if (face.modified() || drawing.drawn != wanted) {
        drawFace(face, drawing, canvasRaster, area, Uncaptioned::Drop);
        face.setModified(false);
        if (!drawing.faceRaster.empty())
            drawing.drawn = std::move(wanted);
    }
    if (!drawing.faceRaster.empty())
        target.draw(drawing.shown(), bounds.left, bounds.top, clip);
}

}  // namespace wendle
