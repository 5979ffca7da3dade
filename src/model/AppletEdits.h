#pragma once

#include <string>

#include "model/VelkForm.h"

// The rules of edits to the applet's own values and to the text box.
namespace wendle {

// The applet's background picture (the name the page refers to, the path
// it is read from); the canvas is redrawn.
void setBackgroundImage(TVelkForm& applet, const std::string& name, const std::string& path);

// The preview's client area takes a new size; see-through buttons show the
// canvas behind them and are redrawn.
void resizeApplet(TVelkForm& applet, int clientWidth, int clientHeight);

// The text box dragged or sized with the pointer comes to rest. A move also
// moves its bounds record; a resize leaves the record as it was.
void placeTextBox(TVelkForm& applet, const Bounds& bounds, bool resized);

// Renames a button in the list. An emptied (or blank) name keeps the old
// one: a button needs a name to be found in the list. Returns whether the
// name changed.
bool renameButton(TVelkForm& applet, int slot, const std::string& name);

// The alignment grid belongs to the editor, not to a document: a new
// applet takes it over from the one it replaces.
void keepGrid(TVelkForm& next, const TVelkForm& previous);

}  // namespace wendle
