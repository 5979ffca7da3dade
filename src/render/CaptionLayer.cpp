#include "render/CaptionLayer.h"

#include <QColor>
#include <QFontMetrics>

#include "model/FontTables.h"

namespace wendle {

void CaptionLayer::takeSettings(int fontName, int fontSize, int fontStyle, int fontAlignment,
                                Colour colour) {
    if (auto typeface = typefaceOf(fontName))
        typeface_ = *typeface;
    if (auto points = previewPointSize(fontSize))
        pointSize_ = *points;
    if (fontStyle >= kRegular && fontStyle <= kBold)
        style_ = fontStyle;
    if (fontAlignment >= kAlignLeft && fontAlignment <= kAlignRight)
        alignment_ = fontAlignment;
    colour_ = colour;
}

void CaptionLayer::draw(QPainter& painter, const QString& text, const QRect& box) const {
    const QFont layerFont = font();
    const QFontMetrics metrics(layerFont);
    painter.setFont(layerFont);
    painter.setPen(QColor(redOf(colour_), greenOf(colour_), blueOf(colour_)));
    for (const CaptionLine& line :
         layOutCaption(text, metrics, box.width(), box.height(), alignment_)) {
        painter.drawText(QPoint(box.left() + line.x, box.top() + line.top + metrics.ascent()),
                         line.text);
    }
}

}  // namespace wendle
