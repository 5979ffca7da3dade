#pragma once

#include <QImage>
#include <string>

namespace wendle::content {

// Writes the picture as a GIF89a of at most 256 colours, transparent where
// the picture is more than half transparent. Returns the problem, or empty.
std::string writeGif(const QImage& picture, const std::string& path);

// Writes the picture as a baseline JPEG (any transparency is laid on
// white). Returns the problem, or empty.
std::string writeJpeg(const QImage& picture, const std::string& path, int quality = 90);

// Writes a PNG (icons). Returns the problem, or empty.
std::string writePng(const QImage& picture, const std::string& path);

}  // namespace wendle::content
