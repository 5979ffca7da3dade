#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/VelkForm.h"

namespace wendle {

// Every value of one button state that a document holds, as a plain record
// that can be kept, compared and put back. The selection is not part of it:
// putting a button back does not select it.
struct PanelValues {
#define WENDLE_PANEL_VALUE_FIELD(Type, name, Name, def, marks) Type name{def};
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_PANEL_VALUE_FIELD)
#undef WENDLE_PANEL_VALUE_FIELD
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 95;
    int height = 30;

    bool operator==(const PanelValues&) const = default;
};

// The three states of one button.
struct ButtonValues {
    std::array<PanelValues, kStateCount> states;
    bool operator==(const ButtonValues&) const = default;
};

PanelValues capturePanel(const TVelkPanel& panel);
// Writes every value back (the selection and the visibility stay as they
// are) and marks the face stale.
void applyPanel(TVelkPanel& panel, const PanelValues& values);

// The button in this slot; its three panels must exist.
ButtonValues captureButton(const TVelkForm& applet, int slot);

// The names of the values that differ between two states of a button, in
// the order the record lists them ("bkColor", ..., "caption", "left", ...).
std::vector<std::string_view> changedFields(const PanelValues& before, const PanelValues& after);
void applyButton(TVelkForm& applet, int slot, const ButtonValues& values);

// What Copy Look and Paste Look carry from one state to another: colours,
// gradient, border, font and caption styling, highlight, transparency,
// image and sound. Place, size, caption text, link, frame, hint, status,
// text-box message, name and button link stay with the target.
void applyLook(TVelkPanel& panel, const PanelValues& look);

}  // namespace wendle
