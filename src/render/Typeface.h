#pragma once

#include <QFont>

namespace wendle {

// The font of the preview window itself, which a caption layer starts with.
inline constexpr const char* kPreviewTypeface = "Arial";
inline constexpr int kPreviewPointSize = 8;

enum FontStyle { kRegular = 0, kItalic = 1, kBold = 2 };

// Points to pixels at 96 DPI, rounded: the preview never depends on the
// screen's own resolution.
int pixelSizeForPoints(int points);

// A caption font: typeface by name, size in points, style 0 regular,
// 1 italic, 2 bold. Drawn without smoothing, as the applet draws its text,
// so every pixel of a caption is exactly its colour.
QFont previewFont(const char* typeface, int points, int style);

}  // namespace wendle
