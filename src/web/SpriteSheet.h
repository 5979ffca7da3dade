#pragma once

#include <QImage>
#include <vector>

namespace wendle::web {

// Where a picture lies in the sheet.
struct SpriteSpot {
    int x = 0;
    int y = 0;
    bool operator==(const SpriteSpot&) const = default;
};

// One picture that holds many: each added picture is placed on shelves of
// a fixed width, left to right and top to bottom, and a picture equal to
// one already there (same size, same pixels) is not stored twice, so states
// that look alike cost nothing and share one place.
class SpriteSheet {
  public:
    // width: the widest picture that will be added.
    explicit SpriteSheet(int width) : width_(width) {}

    SpriteSpot add(const QImage& picture);

    int width() const { return width_; }
    int height() const { return shelfTop_ + shelfHeight_; }
    std::size_t pixelCount() const;

    // All pictures in their places; what lies between them is transparent.
    // Null when the sheet is too large to be made.
    QImage image() const;

  private:
    struct Placed {
        QImage picture;
        SpriteSpot spot;
    };
    int width_;
    int shelfTop_ = 0;
    int shelfHeight_ = 0;
    int cursor_ = 0;
    std::vector<Placed> placed_;
};

}  // namespace wendle::web
