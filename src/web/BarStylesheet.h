#pragma once

#include <string>

#include "web/WebBar.h"

namespace wendle::web {

// The bar's stylesheet. Every rule is scoped to the bar's own class
// (wendle-bar--NAME), so two bars, or the page's own styles, do not meet.
//
// At rest the bar is its picture at 1 CSS pixel per pixel, scaled without
// smoothing; each button is its face from the sprite, with :hover and
// :focus-visible showing "On MouseOver" and :active "On Click". Narrower
// than the bar, the faces stack in reading order; under forced colours and
// in print the buttons are plain text links.
std::string barStylesheet(const WebBar& bar, const std::string& name, unsigned backgroundRgb);

}  // namespace wendle::web
