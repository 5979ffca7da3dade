#pragma once

namespace wendle {

// The font of the preview window itself, which a caption layer starts with.
inline constexpr const char* kPreviewTypeface = "Arial";
inline constexpr int kPreviewPointSize = 8;

enum FontStyle { kRegular = 0, kItalic = 1, kBold = 2 };

// Points to pixels at 96 DPI, rounded: the preview never depends on the
// screen's own resolution.
int pixelSizeForPoints(int points);

}  // namespace wendle
