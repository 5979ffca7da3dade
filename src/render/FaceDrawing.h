#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "image/Picture.h"
#include "model/Attachment.h"
#include "model/VelkPanel.h"
#include "render/CaptionLayer.h"
#include "render/Raster.h"

namespace wendle {

// The drawing state a face owns: its raster, its picture and its two
// caption layers, kept in the face's attachment slot.
class FaceDrawing : public Attachment {
  public:
    // The face over the part of it that was last painted: the whole face
    // unless it lies partly outside the applet. Without its caption when
    // captionApart, otherwise with it: the preview needs only the face as
    // shown, the accessibility check the face both with and without.
    Raster faceRaster;
    // faceRaster with the caption layers over it, while captionApart.
    Raster captioned;
    bool hasCaption = false;
    bool captionApart = false;

    std::unique_ptr<Picture> picture;

    CaptionLayer mainLayer;
    CaptionLayer shadowLayer;  // beneath the main layer, one pixel up and left
    bool shadowShown = false;

    // What the cached pixels show. Besides the face's modified flag, a
    // change in any of these redraws the face: its size, the part in view,
    // the selection (whose setter leaves the flag alone), the caption text,
    // and for a transparent face its place and the canvas behind it.
    struct Drawn {
        int width = 0;
        int height = 0;
        Rect area;
        bool selected = false;
        std::string caption;
        bool transparent = false;
        int left = 0;
        int top = 0;
        std::uint64_t canvasGeneration = 0;
        bool operator==(const Drawn&) const = default;
    };
    std::optional<Drawn> drawn;

    const Raster& shown() const { return captionApart ? captioned : faceRaster; }

    // Lets the face's pixels go; its next paint draws it again.
    void releasePixels() {
        faceRaster = Raster();
        captioned = Raster();
        hasCaption = false;
        captionApart = false;
        drawn.reset();
    }
};

// The face's drawing state, created on first use.
FaceDrawing& faceDrawing(TVelkPanel& face);
// The face's drawing state, or null before it was ever drawn or loaded.
const FaceDrawing* findFaceDrawing(const TVelkPanel& face);

}  // namespace wendle
