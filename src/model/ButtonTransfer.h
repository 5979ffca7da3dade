#pragma once

#include <string>
#include <vector>

#include "model/ButtonValues.h"

// Buttons carried from one applet to another (Copy and Paste), looks
// carried from one button to others, and buttons moved by a step.
namespace wendle {

// The buttons of these buttonSlots, in list order. A button link between two of
// them becomes the index of its target in the result; a link to a button
// outside them is dropped (-1).
std::vector<ButtonValues> copyButtons(const TVelkForm& applet, const std::vector<int>& buttonSlots);

struct PasteResult {
    std::vector<int> created;  // the new buttons, in the order given
    std::string message;       // why nothing was pasted
    bool ok() const { return message.empty(); }
};

// Adds the buttons (links as copyButtons gives them) to the applet as new
// buttons with their own names. They keep their places, shifted down and
// right by the grid step as often as needed so that none lies exactly on a
// button that is already there. Refused with the model's message, changing
// nothing, when the applet cannot hold them all.
PasteResult pasteButtons(TVelkForm& applet, const std::vector<ButtonValues>& buttons);

// Gives each of these buttons the look of all three states of another.
void pasteLook(TVelkForm& applet, const std::vector<int>& buttonSlots, const ButtonValues& look);

// Moves these buttons by (dx, dy) pixels.
void nudgeButtons(TVelkForm& applet, const std::vector<int>& buttonSlots, int dx, int dy);

}  // namespace wendle
