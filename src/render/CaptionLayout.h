#pragma once

#include <QString>
#include <vector>

namespace wendle {

enum Alignment { kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

// What a caption's layout needs to know of its font, in whole pixels.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual int ascent() const = 0;
    // From one line's top to the next one's.
    virtual int height() const = 0;
    // The width of a line of text.
    virtual int advance(const QString& text) const = 0;
};

struct CaptionLine {
    QString text;
    int x = 0;    // left edge, relative to the box
    int top = 0;  // top of the line, relative to the box
};

// Lays a caption out in a box of width x height: broken at its line breaks
// (CR LF, LF or CR) and, where a line is wider than the box, between words
// (a single word wider than the box stays whole and is clipped); each line
// placed left, centred or right; the block centred vertically, its top
// (height - block height) div 2, negative when the block is taller.
std::vector<CaptionLine> layOutCaption(const QString& text, const TextMeasure& measure, int width,
                                       int height, int alignment);

}  // namespace wendle
