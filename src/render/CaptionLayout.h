#pragma once

#include <QFontMetrics>
#include <QString>
#include <vector>

namespace wendle {

enum Alignment { kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

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
std::vector<CaptionLine> layOutCaption(const QString& text, const QFontMetrics& metrics, int width,
                                       int height, int alignment);

}  // namespace wendle
