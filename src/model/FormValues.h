#pragma once

#include <string_view>
#include <vector>

#include "model/VelkForm.h"

namespace wendle {

// The applet's own values as a plain record: its published properties, the
// text box settings, panel and bounds, and the preview's client size. The
// document path, the buttons and the selection are not part of it.
struct FormValues {
#define WENDLE_FORM_VALUE_FIELD(Type, name, Name, def, marks) Type name{def};
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_FORM_VALUE_FIELD)
#undef WENDLE_FORM_VALUE_FIELD
#define WENDLE_TEXT_BOX_VALUE_FIELD(Type, name, Name, def) Type name{def};
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_TEXT_BOX_VALUE_FIELD)
#undef WENDLE_TEXT_BOX_VALUE_FIELD
    TvelkTextBox textBox;
    Bounds textBoxBounds;
    int clientWidth = 300;
    int clientHeight = 200;

    bool operator==(const FormValues&) const = default;
};

FormValues captureForm(const TVelkForm& applet);

// The names of the applet's values that differ, in the order the record
// lists them ("bkColor", ..., "textBoxVisible", ..., "textBoxBounds",
// "clientWidth").
std::vector<std::string_view> changedFields(const FormValues& before, const FormValues& after);
// Writes every value back; the canvas is marked stale.
void applyForm(TVelkForm& applet, const FormValues& values);

}  // namespace wendle
