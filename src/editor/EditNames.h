#pragma once

#include <QString>

#include "model/AppletChange.h"

namespace wendle {

// The name Undo and Redo give an edit of button values, after what it
// changed: "Change Border Width", "Change Font Color of 3 Buttons". A
// change of values with no name of their own is "Change Button".
QString buttonChangeName(const AppletChange& change);

// The same for an edit of the applet's own values: "Change Applet Border
// Width", "Change Text Box Font". Others are "Change Applet".
QString appletChangeName(const AppletChange& change);

}  // namespace wendle
