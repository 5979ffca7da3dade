#pragma once

#include <string>

#include "web/WebBar.h"

namespace wendle::web {

// OUTDIR/index.html: a complete page that shows the bar and, below it, the
// snippet to paste into one's own page. The bar sits at whole CSS pixels
// that are even, so it falls on whole device pixels at 1, 1.5, 2 and 3
// device pixels per CSS pixel.
std::string indexPage(const WebBar& bar, const std::string& name, const std::string& title);

}  // namespace wendle::web
