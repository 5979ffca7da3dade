#include "render/CaptionLayer.h"

#include "model/FontTables.h"
#include "render/CaptionCache.h"

namespace wendle {

void CaptionLayer::takeSettings(int fontName, int fontSize, int fontStyle, int fontAlignment,
                                Colour colour) {
    const char* typeface = typefaceOf(fontName).value_or(typeface_);
    const int points = previewPointSize(fontSize).value_or(pointSize_);
    const int style = fontStyle >= kRegular && fontStyle <= kBold ? fontStyle : style_;
    typeface_ = typeface;
    pointSize_ = points;
    style_ = style;
    if (fontAlignment >= kAlignLeft && fontAlignment <= kAlignRight)
        alignment_ = fontAlignment;
    colour_ = colour;
}

std::shared_ptr<const CaptionFont> CaptionLayer::font() const {
    return textEngine().font(typeface_, pointSize_, style_);
}

void CaptionLayer::draw(Raster& raster, const QString& text, const QRect& box,
                        const Rect& clip) const {
    const std::shared_ptr<const CaptionFont> captionFont = font();
    if (const auto mask =
            CaptionCache::instance().mask(text, *captionFont, typeface_, pointSize_, style_,
                                          alignment_, box.width(), box.height())) {
        mask->stamp(raster, box.left(), box.top(), clip, colour_);
        return;
    }
    captionFont->draw(raster,
                      layOutCaption(text, *captionFont, box.width(), box.height(), alignment_),
                      box.left(), box.top(), clip, colour_);
}

}  // namespace wendle
