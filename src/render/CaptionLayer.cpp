#include "render/CaptionLayer.h"

#include <QColor>
#include <QFontMetrics>

#include "model/FontTables.h"

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

void CaptionLayer::draw(QPainter& painter, const QString& text, const QRect& box) const {
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
