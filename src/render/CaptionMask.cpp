#include "render/CaptionMask.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

#include "render/CaptionLayout.h"

namespace wendle {

namespace {

// Boxes beyond this many pixels are drawn directly: such a face is rare and
// its mask would cost more memory than it saves time.
constexpr std::int64_t kMaxMaskPixels = std::int64_t(1) << 20;

constexpr QRgb kBlank = 0xFF000000u;
constexpr QRgb kInked = 0xFFFFFFFFu;

}  // namespace

std::unique_ptr<CaptionMask> CaptionMask::make(const QString& text, const QFont& font,
                                               int alignment, int width, int height) {
    if (width <= 0 || height <= 0 || std::int64_t(width) * height > kMaxMaskPixels)
        return nullptr;
    // The same pixel format and painter calls as drawing straight onto a
    // face, so the covered pixels are the same ones. The image is kept for
    // the next mask of the same size (a bar's faces mostly share theirs), and
    // with it the paint engine the painter would otherwise build anew.
    thread_local QImage image;
    if (image.width() != width || image.height() != height)
        image = QImage(width, height, QImage::Format_RGB32);
    image.fill(kBlank);
    {
        QPainter painter(&image);
        const QFontMetrics metrics(font);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255));
        for (const CaptionLine& line : layOutCaption(text, metrics, width, height, alignment)) {
            painter.drawText(QPoint(line.x, line.top + metrics.ascent()), line.text);
        }
    }
    auto mask = std::make_unique<CaptionMask>();
    // Most rows of a face hold no ink at all; comparing them with a blank
    // row whole is several times quicker than looking at each pixel.
    thread_local std::vector<QRgb> blankRow;
    blankRow.resize(std::size_t(width), kBlank);
    const std::size_t rowBytes = std::size_t(width) * sizeof(QRgb);
    for (int y = 0; y < height; ++y) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::memcmp(pixels, blankRow.data(), rowBytes) == 0)
            continue;
        int x = 0;
        while (x < width) {
            if (pixels[x] == kBlank) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && pixels[x] == kInked) ++x;
            if (x == start)
                return nullptr;  // a partly covered pixel
            mask->runs_.push_back(Run{y, start, x});
        }
    }
    return mask;
}

void CaptionMask::stamp(Raster& raster, int x, int y, const Rect& clip, Colour colour) const {
    const Rect limit = clip.intersected(raster.area());
    if (limit.empty())
        return;
    // A caption is a few hundred short runs: each is clipped and written
    // here rather than through a general fill.
    const std::uint32_t pixel = pixelOf(colour);
    const int areaLeft = raster.area().left;
    for (const Run& run : runs_) {
        const int row = y + run.y;
        if (row < limit.top || row >= limit.bottom)
            continue;
        const int from = std::max(x + run.left, limit.left);
        const int to = std::min(x + run.right, limit.right);
        if (from >= to)
            continue;
        std::uint32_t* out = raster.row(row) + (from - areaLeft);
        std::fill(out, out + (to - from), pixel);
    }
}

}  // namespace wendle
