#pragma once

#include <QRect>
#include <QString>
#include <memory>

#include "model/Colour.h"
#include "render/CaptionLayout.h"
#include "render/Geometry.h"
#include "render/Raster.h"
#include "render/TextEngine.h"
#include "render/Typeface.h"

namespace wendle {

// One of the two caption layers laid over a face (the main layer and the
// shadow layer beneath it). A layer keeps its font between drawings: a
// typeface, size, style or alignment outside the applet's tables leaves the
// layer's previous one. A new layer is regular, left-aligned, in the preview
// window's font.
class CaptionLayer {
  public:
    void takeSettings(int fontName, int fontSize, int fontStyle, int fontAlignment, Colour colour);

    const char* typeface() const { return typeface_; }
    int pointSize() const { return pointSize_; }
    int style() const { return style_; }
    int alignment() const { return alignment_; }
    Colour colour() const { return colour_; }
    // The layer's font from the text engine in use.
    std::shared_ptr<const CaptionFont> font() const;

    // Draws the text laid out in box over what the raster holds, touching
    // only pixels inside clip. Box and clip are in the raster's coordinates.
    void draw(Raster& raster, const QString& text, const QRect& box, const Rect& clip) const;

  private:
    const char* typeface_ = kPreviewTypeface;
    int pointSize_ = kPreviewPointSize;
    int style_ = kRegular;
    int alignment_ = kAlignLeft;
    Colour colour_ = 0;
};

}  // namespace wendle
