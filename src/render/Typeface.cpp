#include "render/Typeface.h"

#include <cmath>

namespace wendle {

int pixelSizeForPoints(int points) {
    return int(std::lround(points * 96.0 / 72.0));
}

}  // namespace wendle
