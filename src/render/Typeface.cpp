#include "render/Typeface.h"

#include <cmath>

namespace wendle {

int pixelSizeForPoints(int points) {
    return int(std::lround(points * 96.0 / 72.0));
}

QFont previewFont(const char* typeface, int points, int style) {
    QFont font(QString::fromLatin1(typeface));
    font.setPixelSize(std::max(1, pixelSizeForPoints(points)));
    font.setItalic(style == kItalic);
    font.setBold(style == kBold);
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    return font;
}

}  // namespace wendle
