#pragma once

#include <cstdint>

#include "model/Colour.h"

namespace wendle {

// Shifts blue, green and red alike by delta, each clamped to 0..255; the
// source of every shaded border line.
Colour getColor(Colour colour, std::int16_t delta);

// Per channel: 255 below 128, 0 from 128 on. The colour of the grid dots and
// of the selection mark, always readable on the colour given.
Colour contrastColor(Colour colour);

// The slope of a gradient channel in channel steps per column: (to - from) /
// steps, or to - from itself when either is 0, so that nothing divides by 0.
// Steps is taken wider than 16 bits so that a very wide face still fades the
// right way.
double getIncrement(int from, int to, int steps);

// A shading delta (a 16-bit value in the applet) from a product that may lie
// far outside that range: computed wide and clamped, never wrapped.
std::int16_t clampedDelta(std::int64_t value);

}  // namespace wendle
