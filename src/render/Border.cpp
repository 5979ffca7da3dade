#include "render/Border.h"

#include "render/ColourMath.h"

namespace wendle {

namespace {

// Frame and Bevel shade their edges by a fixed 70.
constexpr std::int16_t kEdgeShade = 70;

// The light pen of the outer top and left edges and the dark pen of the
// outer bottom and right edges; lowered swaps them.
struct Pens {
    Colour first;
    Colour second;
};

Pens pensFor(const BorderLook& look, std::int16_t shift) {
    const Colour up = getColor(look.colour, shift);
    const Colour down = getColor(look.colour, clampedDelta(-std::int64_t(shift)));
    return look.raised ? Pens{up, down} : Pens{down, up};
}

void drawFrame(Raster& r, int w, int h, const BorderLook& look) {
    const int bw = look.width;
    for (int i = 0; i <= bw; ++i) {
        r.outline(Rect::fromSize(i, i, std::int64_t(w) - 2 * i, std::int64_t(h) - 2 * i),
                  look.colour);
    }
    const Pens pens = pensFor(look, kEdgeShade);
    r.line(0, 0, w, 0, pens.first);
    r.line(0, 1, 0, h, pens.first);
    r.line(bw + 1, h - bw - 1, w - bw, h - bw - 1, pens.first);
    r.line(w - bw - 1, h - bw - 1, w - bw - 1, bw - 1, pens.first);

    r.line(0, h - 1, w, h - 1, pens.second);
    r.line(w - 1, h - 1, w - 1, 0, pens.second);
    r.line(bw + 1, bw, w - bw - 1, bw, pens.second);
    r.line(bw, bw, bw, h - bw - 1, pens.second);
}

void drawRing(Raster& r, int w, int h, int i, const Pens& pens) {
    r.line(i, i, w - i - 1, i, pens.first);
    r.line(i, i, i, h - i - 1, pens.first);
    r.line(i, h - i - 1, w - i, h - i - 1, pens.second);
    r.line(w - i - 1, i, w - i - 1, h - i - 1, pens.second);
}

}  // namespace

void drawBorder(Raster& target, int width, int height, const BorderLook& look) {
    if (look.width < 1 || target.empty())
        return;
    switch (look.style) {
        case kFrame:
            drawFrame(target, width, height, look);
            return;
        case kBevel: {
            const Pens pens = pensFor(look, kEdgeShade);
            for (int i = 0; i < look.width; ++i) drawRing(target, width, height, i, pens);
            return;
        }
        case kBump: {
            // The outermost ring is shaded by shading x width, the innermost by
            // shading: computed wide and clamped, so large values saturate.
            const std::int64_t factor = clampedDelta(look.shading);
            for (int i = 0; i < look.width; ++i) {
                const std::int16_t shift = clampedDelta(factor * (look.width - i));
                drawRing(target, width, height, i, pensFor(look, shift));
            }
            return;
        }
        default:
            return;
    }
}

}  // namespace wendle
