#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "image/Picture.h"
#include "model/Attachment.h"
#include "model/VelkForm.h"
#include "render/Raster.h"

namespace wendle {

// The drawing state the applet owns: the canvas raster, the background
// picture and the text box's raster, kept in the applet's attachment slot.
class CanvasDrawing : public Attachment {
  public:
    // The canvas without faces and text box: client width x client height - 25.
    Raster canvasRaster;
    std::unique_ptr<Picture> picture;
    // LoadImage replaced the picture: the canvas is redrawn at the next
    // paint even though modif was left as the setters set it.
    bool pictureChanged = false;
    // Counts the canvas rebuilds, so that transparent faces notice one.
    std::uint64_t generation = 0;

    // The text box, drawn over the part of it that shows.
    Raster textBoxRaster;
    struct TextBoxDrawn {
        int width = 0;
        int height = 0;
        Rect area;
        const char* typeface = nullptr;
        int points = 0;
        int style = 0;
        Colour textColour = 0;
        Colour background = 0;
        std::string caption;
        bool operator==(const TextBoxDrawn&) const = default;
    };
    std::optional<TextBoxDrawn> textBoxDrawn;
};

// The applet's drawing state, created on first use.
CanvasDrawing& canvasDrawing(TVelkForm& applet);
// The applet's drawing state, or null before it was ever drawn or loaded.
const CanvasDrawing* findCanvasDrawing(const TVelkForm& applet);

}  // namespace wendle
