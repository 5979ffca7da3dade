#pragma once

#include <QFont>

#include "render/TextEngine.h"

namespace wendle {

// A caption font as the GUI library knows it: typeface by name, size in
// points, style 0 regular, 1 italic, 2 bold. Drawn without smoothing, as the
// applet draws its text, so every pixel of a caption is exactly its colour.
QFont previewFont(const char* typeface, int points, int style);

// Caption fonts measured and drawn by the GUI library's own text drawing
// (QFontMetrics, QPainter). Needs a QGuiApplication.
class QtTextEngine : public TextEngine {
  public:
    static QtTextEngine& instance();
    std::shared_ptr<const CaptionFont> font(const char* typeface, int points, int style) override;
};

// Makes the GUI library's text drawing the one captions are drawn with.
void installQtTextEngine();

}  // namespace wendle
