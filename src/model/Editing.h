#pragma once

#include <optional>

#include "model/VelkForm.h"

// Editing operations on whole buttons, shared by the preview, the button
// list and the main window. They change the model only; the caller repaints.
namespace wendle {

// Selection (selectedSlots keeps the order in which buttons were selected).
void SelectOneItem(TVelkForm& applet, int slot);
void UnselectOneItem(TVelkForm& applet, int slot);
void UnselectAll(TVelkForm& applet);

// The nearest multiple of step, an exact half going to the even multiple;
// a step of 0 or less leaves the value as it is.
int snapToGrid(int value, int step);

// Gives all three state panels of the button this position and size.
void SetSizeXY(TVelkForm& applet, int slot, int left, int top, int width, int height);

// Where a button dropped by the pointer at (left, top) comes to rest: on the
// grid when the applet's grid is on. Moves all three panels and marks the
// applet modified (a moved button is unsaved work).
void dropButton(TVelkForm& applet, int slot, int left, int top);

// Marks every transparent face stale: they show the applet behind them.
void repaintIfTransparent(TVelkForm& applet);

enum class AlignEdge { LeftSides, RightSides, Tops, Bottoms };
// Lines up the selected buttons (state-1 panel selected, usedSlots order) on
// the outermost edge among them. Returns whether anything was concerned.
bool alignSelected(TVelkForm& applet, AlignEdge edge);

enum class Arrangement { Horizontal, Vertical };
// Lays the buttons out in one row or column inside the border, places a
// shown text box under them and sizes the preview's client area to fit.
// Does nothing without buttons.
void arrangeButtons(TVelkForm& applet, Arrangement arrangement);

// Duplicates the last selected button into a new one (placed as New Button
// places it). Returns the creation result; with nothing selected, a result
// without slot and an empty message.
CreateMenuItemResult duplicateSelected(TVelkForm& applet);

// Deletes every selected button, first selected first.
void deleteSelected(TVelkForm& applet);

}  // namespace wendle
