#pragma once

#include <QByteArray>
#include <QImage>

namespace wendle {

// The image as PNG file bytes; empty when it cannot be encoded. A picture of
// at most 256 colours (every drawn bar without pictures in it, and many with)
// is written with a palette, 8 bits a pixel: a third of the bytes to
// compress, a smaller file, and the same pixels when read back.
QByteArray encodePng(const QImage& image);

}  // namespace wendle
