#include "web/SpriteSheet.h"

#include <QPainter>
#include <algorithm>

namespace wendle::web {

SpriteSpot SpriteSheet::add(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    for (const Placed& earlier : placed_) {
        if (earlier.picture == pixels)
            return earlier.spot;
    }
    if (cursor_ > 0 && cursor_ + pixels.width() > width_) {
        shelfTop_ += shelfHeight_;
        shelfHeight_ = 0;
        cursor_ = 0;
    }
    const SpriteSpot spot{cursor_, shelfTop_};
    cursor_ += pixels.width();
    shelfHeight_ = std::max(shelfHeight_, pixels.height());
    placed_.push_back({pixels, spot});
    return spot;
}

std::size_t SpriteSheet::pixelCount() const {
    return std::size_t(std::max(width_, 0)) * std::size_t(std::max(height(), 0));
}

QImage SpriteSheet::image() const {
    QImage sheet(std::max(width_, 1), std::max(height(), 1), QImage::Format_ARGB32);
    if (sheet.isNull())
        return sheet;
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const Placed& item : placed_) painter.drawImage(item.spot.x, item.spot.y, item.picture);
    return sheet;
}

}  // namespace wendle::web
