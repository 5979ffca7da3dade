#include "render/CaptionLayer.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

#include "model/FontTables.h"
#include "render/CaptionCache.h"

namespace wendle {

void CaptionLayer::takeSettings(int fontName, int fontSize, int fontStyle, int fontAlignment,
                                Colour colour) {
    const char* typeface = typefaceOf(fontName).value_or(typeface_);
    const int points = previewPointSize(fontSize).value_or(pointSize_);
    const int style = fontStyle >= kRegular && fontStyle <= kBold ? fontStyle : style_;
    if (typeface != typeface_ || points != pointSize_ || style != style_) {
        typeface_ = typeface;
        pointSize_ = points;
        style_ = style;
        font_ = previewFont(typeface_, pointSize_, style_);
    }
    if (fontAlignment >= kAlignLeft && fontAlignment <= kAlignRight)
        alignment_ = fontAlignment;
    colour_ = colour;
}

void CaptionLayer::draw(Raster& raster, const QString& text, const QRect& box,
                        const Rect& clip) const {
    if (const auto mask = CaptionCache::instance().mask(text, font_, typeface_, pointSize_, style_,
                                                        alignment_, box.width(), box.height())) {
        mask->stamp(raster, box.left(), box.top(), clip, colour_);
        return;
    }
    const Rect& area = raster.area();
    const Rect inside = clip.intersected(area);
    if (inside.empty())
        return;
    QImage image = raster.image();
    QPainter painter(&image);
    painter.translate(-area.left, -area.top);
    painter.setClipRect(QRect(inside.left, inside.top, inside.width(), inside.height()));
    const QFontMetrics metrics(font_);
    painter.setFont(font_);
    painter.setPen(QColor(redOf(colour_), greenOf(colour_), blueOf(colour_)));
    for (const CaptionLine& line :
         layOutCaption(text, metrics, box.width(), box.height(), alignment_)) {
        painter.drawText(QPoint(box.left() + line.x, box.top() + line.top + metrics.ascent()),
                         line.text);
    }
}

}  // namespace wendle
