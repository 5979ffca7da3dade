#include "model/TextBoxPlacement.h"

#include <algorithm>

#include "model/VelkForm.h"

namespace wendle {

namespace {

// The text box was moved by the program on the user's behalf: the bounds
// record follows its position, as it does for a move with the pointer.
void textBoxMoved(TVelkForm& applet) {
    Bounds bounds = applet.textBoxBounds();
    bounds.left = applet.textBox().left;
    bounds.top = applet.textBox().top;
    applet.setTextBoxBounds(bounds);
    applet.setModified(true);
}

}  // namespace

void showTextBox(TVelkForm& applet) {
    const int border = applet.borderWidth();
    int top = border + kToolBarStrip + 1;
    for (int slot : applet.usedSlots()) {
        if (const TVelkPanel* panel = applet.statePanel(1, slot))
            top = std::max(top, panel->bottom());
    }
    applet.setTextBoxVisible(1);
    applet.textBox().setBounds(border + 1, top, kShownTextBoxWidth, kShownTextBoxHeight);
    const int neededHeight = top + border + kShownTextBoxHeight + 1;
    if (applet.clientHeight() < neededHeight)
        applet.setClientSize(applet.clientWidth(), neededHeight);
    textBoxMoved(applet);
}

void hideTextBox(TVelkForm& applet) {
    applet.setTextBoxVisible(0);
    TvelkTextBox& box = applet.textBox();
    box.setBounds(-2, box.top, 1, 1);
    textBoxMoved(applet);
}

}  // namespace wendle
