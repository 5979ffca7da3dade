#include "render/VelkTextBoxDrawing.h"

#include "model/FontTables.h"
#include "render/CanvasDrawing.h"
#include "render/TextEngine.h"
#include "render/Typeface.h"
#include "render/Windows1252.h"

namespace wendle {

namespace {

struct TextBoxFont {
    const char* typeface;
    int points;
    int style;
};

TextBoxFont textBoxFont(const TVelkForm& applet) {
    const TvelkTextBox& box = applet.textBox();
    const char* own = typefaceOf(box.typeface).value_or(kPreviewTypeface);
    const int style = applet.textBoxFontStyle();
    return TextBoxFont{typefaceOf(applet.textBoxFont()).value_or(own),
                       previewPointSize(applet.textBoxFontSize()).value_or(box.pointSize),
                       style >= kRegular && style <= kBold ? style : box.fontStyle};
}

void drawEdgeAndFill(const TVelkForm& applet, int w, int h, Raster& box) {
    box.line(0, 0, w, 0, kHighlight3D);
    box.line(0, 0, 0, h, kHighlight3D);
    box.line(w - 1, 0, w - 1, h, kShadow3D);
    box.line(0, h - 1, w, h - 1, kShadow3D);
    box.fill(Rect{1, 1, w - 1, h - 1}, applet.textBoxBkColor());
}

void drawCaption(const TVelkForm& applet, int w, int h, Raster& box) {
    const QString caption = fromWindows1252(applet.textBox().caption);
    if (caption.isEmpty() || box.empty())
        return;
    const TextBoxFont font = textBoxFont(applet);
    const std::shared_ptr<const CaptionFont> captionFont =
        textEngine().font(font.typeface, font.points, font.style);
    const int lineHeight = captionFont->height();  // the height of a "W"
    const int top = (h - lineHeight) / 2;
    const int left = (w - captionFont->advance(caption)) / 2;
    captionFont->draw(box, {CaptionLine{caption, left, top}}, 0, 0, Rect{1, 1, w - 1, h - 1},
                      applet.textBoxTextColor());
}

}  // namespace

void drawTextBox(const TVelkForm& applet, Raster& box) {
    const int w = applet.textBox().width, h = applet.textBox().height;
    if (w <= 0 || h <= 0)
        return;
    drawEdgeAndFill(applet, w, h, box);
    drawCaption(applet, w, h, box);
}

void paintTextBox(TVelkForm& applet, Raster& target) {
    paintTextBox(applet, target, target.area());
}

void paintTextBox(TVelkForm& applet, Raster& target, const Rect& clip) {
    if (!applet.textBoxVisible())
        return;
    const TvelkTextBox& box = applet.textBox();
    if (box.width <= 0 || box.height <= 0)
        return;
    const Rect bounds =
        Rect::fromSize(box.left, std::int64_t(box.top) - kToolBarStrip, box.width, box.height);
    const Rect onTarget = bounds.intersected(target.area());
    if (onTarget.empty() || onTarget.intersected(clip).empty())
        return;

    CanvasDrawing& drawing = canvasDrawing(applet);
    const TextBoxFont font = textBoxFont(applet);
    CanvasDrawing::TextBoxDrawn wanted{box.width,
                                       box.height,
                                       onTarget.translated(-bounds.left, -bounds.top),
                                       font.typeface,
                                       font.points,
                                       font.style,
                                       applet.textBoxTextColor(),
                                       applet.textBoxBkColor(),
                                       box.caption};
    if (drawing.textBoxDrawn != wanted) {
        drawing.textBoxDrawn.reset();
        if (!drawing.textBoxRaster.setArea(wanted.area))
            return;
        drawTextBox(applet, drawing.textBoxRaster);
        drawing.textBoxDrawn = std::move(wanted);
    }
    target.draw(drawing.textBoxRaster, bounds.left, bounds.top, clip);
}

}  // namespace wendle
