#pragma once

#include <string>

#include "model/Colour.h"

namespace wendle::accessibility {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white), by the
// formula of WCAG 2.2.
double relativeLuminance(Colour colour);

// (lighter + 0.05) / (darker + 0.05): from 1 (same luminance) to 21.
double contrastRatio(double luminanceA, double luminanceB);
double contrastRatio(Colour a, Colour b);

// The ratio as people read it: cut (never rounded up) to two decimals and
// without trailing zeros, so a ratio just below a threshold never shows as
// the threshold itself: 4.4999 gives "4.49", 21 gives "21", 2.1 gives "2.1".
std::string ratioText(double ratio);

// Of two candidate caption colours, black or white: the one with the higher
// contrast against background.
Colour blackOrWhiteAgainst(Colour background);

}  // namespace wendle::accessibility
