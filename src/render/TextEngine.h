#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "model/Colour.h"
#include "render/CaptionLayout.h"
#include "render/Geometry.h"

namespace wendle {

class Raster;

// Covered pixels [left, right) of row y.
struct InkRun {
    int y;
    int left;
    int right;
    bool operator==(const InkRun&) const = default;
};

// One caption font (typeface, size and style) as a text engine draws it:
// the measures the caption layout takes, and the pixels of laid-out lines.
// Every pixel a caption covers is wholly the caption's colour.
class CaptionFont : public TextMeasure {
  public:
    // Appends the pixels the lines cover inside a width x height box, each
    // line's baseline at its top plus ascent(). False when the font cannot
    // say exactly which pixels the caption covers (runs are then partial).
    virtual bool ink(const std::vector<CaptionLine>& lines, int width, int height,
                     std::vector<InkRun>& runs) const = 0;
    // Draws the lines in colour with the box's top-left corner at (x, y) of
    // the raster's coordinates, touching only pixels inside clip.
    virtual void draw(Raster& raster, const std::vector<CaptionLine>& lines, int x, int y,
                      const Rect& clip, Colour colour) const = 0;
};

// Where caption fonts come from.
class TextEngine {
  public:
    virtual ~TextEngine() = default;
    // The font of a typeface from the applet's table, a size in points and a
    // style (see Typeface.h); the same object for the same three.
    virtual std::shared_ptr<const CaptionFont> font(const char* typeface, int points,
                                                    int style) = 0;
};

// The engine captions are drawn with: the one installed last, or the
// FreeType engine, which needs nothing but fontconfig and FreeType.
TextEngine& textEngine();
// Not owned; it must outlive its use. Null puts the FreeType engine back.
// Masks made with the previous engine are forgotten.
void installTextEngine(TextEngine* engine);

}  // namespace wendle
