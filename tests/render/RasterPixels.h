#pragma once

// Small helpers to state expected pixels as literal grids.

#include <map>
#include <string>

#include "render/Raster.h"

namespace wendle::testing {

// One character per pixel, rows separated by '|': each colour of the
// legend by its letter, '.' for any other.
inline std::string pixelGrid(const Raster& raster, const std::map<Colour, char>& legend,
                             const Rect& rect) {
    std::string out;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const auto found = legend.find(raster.colourAt(x, y));
            out += found == legend.end() ? '.' : found->second;
        }
        out += '|';
    }
    return out;
}

inline std::string pixelGrid(const Raster& raster, const std::map<Colour, char>& legend) {
    return pixelGrid(raster, legend, raster.area());
}

// The smallest rectangle holding every pixel of a colour within rect; empty
// when there is none.
inline Rect boundsOf(const Raster& raster, Colour colour, const Rect& rect) {
    Rect found{rect.right, rect.bottom, rect.left, rect.top};
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (raster.colourAt(x, y) != colour)
                continue;
            found.left = std::min(found.left, x);
            found.top = std::min(found.top, y);
            found.right = std::max(found.right, x + 1);
            found.bottom = std::max(found.bottom, y + 1);
        }
    }
    return found.empty() ? Rect{} : found;
}

}  // namespace wendle::testing
