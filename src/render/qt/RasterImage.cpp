#include "render/qt/RasterImage.h"

#include <cstring>
#include <vector>

namespace wendle {

QImage imageOver(Raster& raster) {
    if (raster.empty())
        return QImage();
    return QImage(reinterpret_cast<uchar*>(raster.row(raster.area().top)), raster.width(),
                  raster.height(), qsizetype(raster.width()) * 4, QImage::Format_RGB32);
}

QImage copyToImage(const Raster& raster) {
    if (raster.empty())
        return QImage();
    QImage copy(raster.width(), raster.height(), QImage::Format_RGB32);
    for (int y = 0; y < raster.height(); ++y) {
        std::memcpy(copy.scanLine(y), raster.row(raster.area().top + y),
                    std::size_t(raster.width()) * 4);
    }
    return copy;
}

QImage takeImage(Raster& raster) {
    if (raster.empty())
        return QImage();
    const int width = raster.width();
    const int height = raster.height();
    auto* pixels = new std::vector<std::uint32_t>(raster.takePixels());
    return QImage(
        reinterpret_cast<uchar*>(pixels->data()), width, height, qsizetype(width) * 4,
        QImage::Format_RGB32,
        [](void* owned) { delete static_cast<std::vector<std::uint32_t>*>(owned); }, pixels);
}

}  // namespace wendle
