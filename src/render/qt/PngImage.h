#pragma once

#include <QByteArray>
#include <QImage>

namespace wendle {

// The image as PNG file bytes; empty when it cannot be encoded. As
// encodePng of a raster, and a picture of more colours with alpha through
// the GUI library's own writer.
QByteArray encodePng(const QImage& image);

}  // namespace wendle
