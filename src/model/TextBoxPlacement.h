#pragma once

namespace wendle {

class TVelkForm;

// Where the text box goes when the user turns it on or off. Pure applet
// arithmetic, kept apart from the widgets that trigger it.

inline constexpr int kShownTextBoxWidth = 95;
inline constexpr int kShownTextBoxHeight = 26;

// Turns the text box on: 95 by 26, one pixel inside the left border, flush
// under the lowest button (and never above the inside of the top border, so
// it always lies on the applet); the client area grows to hold it inside the
// border. Marks the applet modified: the text box moved.
void showTextBox(TVelkForm& applet);

// Turns the text box off: 1 by 1 just left of the applet, so that nothing of
// it shows. Marks the applet modified.
void hideTextBox(TVelkForm& applet);

}  // namespace wendle
