#include <gtest/gtest.h>

#include <string>

#include "image/Picture.h"

namespace wendle {
namespace {

constexpr std::uint32_t A = 0xFF0000AA, B = 0xFF0000BB, C = 0xFF0000CC, D = 0xFF0000DD;
constexpr std::uint32_t T = Picture::kTransparent;
constexpr std::uint32_t _ = 0xFF111111;  // what the target held before

// A target of w x h pixels whose view starts at (left, top).
struct Target {
    int left, top, width, height;
    std::vector<std::uint32_t> pixels;
    Target(int l, int t, int w, int h)
        : left(l), top(t), width(w), height(h), pixels(std::size_t(w * h), _) {}
    PixelView view() { return PixelView{pixels.data(), left, top, width, height, width}; }
    std::string rows() const {
        std::string out;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = pixels[std::size_t(y * width + x)];
                out += p == _ ? '.' : char('a' + (p & 0xFF) / 0x11 - 10);
            }
            out += '|';
        }
        return out;
    }
};

// 2 x 2 picture: a b / c d, with a transparent variant.
const Picture kPicture(2, 2, {A, B, C, D});
const Picture kHoled(2, 2, {A, T, C, D});

TEST(PictureDrawing, UnscaledDrawingIsClippedToTheView) {
    struct Case {
        const char* name;
        const Picture& picture;
        int viewLeft, viewTop, x, y;
        const char* expected;
    };
    const Case cases[] = {
        {"inside", kPicture, 0, 0, 1, 1, "....|.ab.|.cd.|"},
        {"off the top left", kPicture, 0, 0, -1, -1, "d...|....|....|"},
        {"off the bottom right", kPicture, 0, 0, 3, 2, "....|....|...a|"},
        {"far away", kPicture, 0, 0, 2000000000, -2000000000, "....|....|....|"},
        {"view with an origin", kPicture, 10, 20, 11, 21, "....|.ab.|.cd.|"},
        {"transparent pixel keeps the target", kHoled, 0, 0, 0, 0, "a...|cd..|....|"},
    };
    for (const Case& c : cases) {
        Target target(c.viewLeft, c.viewTop, 4, 3);
        c.picture.drawAt(target.view(), c.x, c.y);
        EXPECT_EQ(target.rows(), c.expected) << c.name;
    }
}

TEST(PictureDrawing, StretchingTakesThePixelUnderEachCentre) {
    struct Case {
        const char* name;
        int left, top, right, bottom;
        const char* expected;
    };
    const Case cases[] = {
        {"doubled", 0, 0, 4, 4, "aabb|aabb|ccdd|ccdd|"},
        {"squeezed to one row", 0, 1, 4, 2, "....|ccdd|....|....|"},
        {"clipped", -2, -2, 2, 2, "dd..|dd..|....|....|"},
        {"empty rectangle", 3, 3, 1, 1, "....|....|....|....|"},
    };
    for (const Case& c : cases) {
        Target target(0, 0, 4, 4);
        kPicture.drawStretched(target.view(), c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(target.rows(), c.expected) << c.name;
    }
}

TEST(PictureDrawing, ZeroSizedPictureDrawsNothing) {
    const Picture empty(0, 0, {});
    Target target(0, 0, 2, 2);
    empty.drawAt(target.view(), 0, 0);
    empty.drawStretched(target.view(), 0, 0, 2, 2);
    EXPECT_EQ(target.rows(), "..|..|");
}

}  // namespace
}  // namespace wendle
