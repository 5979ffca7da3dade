#include "render/PngEncoding.h"

#include <QBuffer>
#include <array>
#include <optional>

namespace wendle {

namespace {

constexpr int kMaxPaletteColours = 256;

// The colours of a picture in order of first appearance, and each pixel's
// index among them, while there are no more than a palette holds. An open
// hash table of twice the palette's size: a bar has few colours, and a
// picture with many gives up early.
class PaletteBuilder {
  public:
    // The index of colour, or nullopt once the palette is full.
    std::optional<uchar> indexOf(QRgb colour) {
        std::size_t slot = hash(colour);
        while (used_[slot]) {
            if (keys_[slot] == colour)
                return indexes_[slot];
            slot = (slot + 1) % kSlots;
        }
        if (count_ == kMaxPaletteColours)
            return std::nullopt;
        used_[slot] = true;
        keys_[slot] = colour;
        indexes_[slot] = uchar(count_);
        table_.push_back(colour);
        ++count_;
        return indexes_[slot];
    }
    const QList<QRgb>& table() const { return table_; }

  private:
    static constexpr std::size_t kSlots = 2 * kMaxPaletteColours;
    static std::size_t hash(QRgb colour) { return (colour * 2654435761u >> 7) % kSlots; }

    std::array<QRgb, kSlots> keys_{};
    std::array<uchar, kSlots> indexes_{};
    std::array<bool, kSlots> used_{};
    QList<QRgb> table_;
    int count_ = 0;
};

// The same pixels with a palette, or a null image when there are too many
// colours for one.
QImage withPalette(const QImage& image) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return QImage();
    PaletteBuilder palette;
    // An opaque format's unused byte is not part of the colour.
    const QRgb opaqueBits = image.hasAlphaChannel() ? 0 : 0xFF000000u;
    const QRgb* above = nullptr;
    const uchar* aboveIndexes = nullptr;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        const int width = image.width();
        int x = 0;
        while (x < width) {
            const QRgb colour = in[x] | opaqueBits;
            // Drawn bars are long runs of one colour along a row, and a
            // gradient repeats its row: the pixel above often has the colour.
            if (above && (above[x] | opaqueBits) == colour) {
                out[x] = aboveIndexes[x];
                ++x;
                continue;
            }
            const std::optional<uchar> index = palette.indexOf(colour);
            if (!index)
                return QImage();
            const uchar value = *index;
            do {
                out[x++] = value;
            } while (x < width && (in[x] | opaqueBits) == colour);
        }
        above = in;
        aboveIndexes = out;
    }
    indexed.setColorTable(palette.table());
    return indexed;
}

}  // namespace

QByteArray encodePng(const QImage& image) {
    if (image.isNull())
        return {};
    // Straight (not premultiplied) 32-bit pixels, the colours a PNG holds.
    const QImage source =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                            : QImage::Format_RGB32);
    const QImage indexed = withPalette(source);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!(indexed.isNull() ? source : indexed).save(&buffer, "PNG"))
        return {};
    return bytes;
}

}  // namespace wendle
