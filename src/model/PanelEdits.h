#pragma once

#include <string>

#include "model/ButtonValues.h"

// The rules of an edit to one button state, kept here rather than in the
// windows that start them, so every caller (editor, batch tool, tests)
// keeps them the same way. They work on a state's values; the applet takes
// them back whole (applyPanel), so an edit is always one step to undo.
namespace wendle {

// A transparent button shows the applet behind it, not a gradient: turning
// transparency on turns the gradient off.
void setTransparentBackground(PanelValues& state, bool on);

// Gives the state a picture (the name as the page refers to it, the path
// where it is read from). A button given a picture is no longer
// see-through.
void setStateImage(PanelValues& state, const std::string& name, const std::string& path);

void setStateSound(PanelValues& state, const std::string& name, const std::string& path);

// The border list's item: style (item / 2 + 1) and raised (even items).
void setBorderItem(PanelValues& state, int item);

}  // namespace wendle
