#include "render/ImagePlacement.h"

#include <algorithm>

#include "image/Picture.h"

namespace wendle {

namespace {

void tile(Raster& target, const Picture& picture, int width, int height) {
    const int iw = picture.width(), ih = picture.height();
    if (iw <= 0 || ih <= 0)
        return;
    // Copies at (c * iw, r * ih) for r = 0..height div ih and c = 0..width div iw.
    // Those wholly outside the raster's area would draw nothing, so only the
    // rows and columns that reach it are visited.
    const Rect& area = target.area();
    const int lastRow = height / ih, lastColumn = width / iw;
    const int firstRow = std::max(0, area.top / ih - 1);
    const int firstColumn = std::max(0, area.left / iw - 1);
    const int endRow = std::min(lastRow, area.bottom / ih + 1);
    const int endColumn = std::min(lastColumn, area.right / iw + 1);
    for (int r = firstRow; r <= endRow; ++r) {
        for (int c = firstColumn; c <= endColumn; ++c) target.drawPicture(picture, c * iw, r * ih);
    }
}

}  // namespace

void placeImage(Raster& target, const Picture& picture, int width, int height,
                const ImagePlacement& placement) {
    const int iw = picture.width(), ih = picture.height();
    switch (placement.style) {
        case kFree:
            target.drawPicture(picture, placement.imageX, placement.imageY);
            return;
        case kCenter:
            target.drawPicture(picture, (width - iw) / 2, (height - ih) / 2);
            return;
        case kLeft:
            target.drawPicture(picture, placement.borderWidth, (height - ih) / 2);
            return;
        case kRight:
            target.drawPicture(picture, width - placement.borderWidth - iw, (height - ih) / 2);
            return;
        case kTile:
            tile(target, picture, width, height);
            return;
        case kResize:
            target.stretchPicture(picture, Rect{0, 0, width, height});
            return;
        default:
            return;
    }
}

}  // namespace wendle
