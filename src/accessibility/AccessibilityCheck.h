#pragma once

#include <vector>

#include "accessibility/Finding.h"
#include "document/TestPage.h"
#include "model/VelkForm.h"

namespace wendle::accessibility {

// Checks the applet against every rule. Faces are drawn through the render
// layer as a visitor sees them (pictures as loaded, no selection mark); the
// faces' cached rasters are left stale, so the preview redraws them.
//
// The findings come grouped by button in button-list order, each button's
// by state and then by rule, followed by the text box and the alternative
// HTML. page is what the program writes around the alternative HTML.
std::vector<Finding> checkApplet(TVelkForm& applet,
                                 const document::PageColours& page = document::testPageColours());

}  // namespace wendle::accessibility
