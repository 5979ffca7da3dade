#include "render/qt/PngImage.h"

#include <QBuffer>

#include "render/PngEncoding.h"

namespace wendle {

QByteArray encodePng(const QImage& image) {
    if (image.isNull())
        return {};
    // Straight (not premultiplied) 32-bit pixels, the colours a PNG holds.
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                            : QImage::Format_RGB32);
    const PngPixels pixels{reinterpret_cast<const std::uint32_t*>(source.constBits()),
                           source.width(), source.height(), source.bytesPerLine() / 4,
                           source.hasAlphaChannel()};
    if (!pixels.alpha)
        return encodePng(pixels);
    if (std::optional<QByteArray> indexed = encodeIndexedPng(pixels))
        return *std::move(indexed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!source.save(&buffer, "PNG"))
        return {};
    return bytes;
}

}  // namespace wendle
