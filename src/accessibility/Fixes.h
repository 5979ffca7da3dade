#pragma once

#include <vector>

#include "accessibility/Finding.h"
#include "model/VelkForm.h"

namespace wendle::accessibility {

// Makes one edit through the model's setters (and SetSizeXY for a size),
// marking the applet modified. An edit for a button that no longer exists
// changes nothing.
void applyEdit(TVelkForm& applet, const Edit& edit);
void applyFix(TVelkForm& applet, const Fix& fix);

// The edit that puts back what edit would change, read from the applet as
// it is now; applying it after edit undoes edit.
Edit restoringEdit(const TVelkForm& applet, const Edit& edit);

// Every fix of the findings in one, each edit once, in the findings' order.
Fix combinedFix(const std::vector<Finding>& findings);

}  // namespace wendle::accessibility
