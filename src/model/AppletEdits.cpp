#include "model/AppletEdits.h"

#include <algorithm>

#include "model/Editing.h"

namespace wendle {

void setBackgroundImage(TVelkForm& applet, const std::string& name, const std::string& path) {
    applet.setImageName(name);
    applet.setImagePath(path);
    applet.setModif(true);
}

void resizeApplet(TVelkForm& applet, int clientWidth, int clientHeight) {
    applet.setClientSize(clientWidth, clientHeight);
    applet.setModified(true);
    repaintIfTransparent(applet);
}

void placeTextBox(TVelkForm& applet, const Bounds& bounds, bool resized) {
    applet.textBox().setBounds(bounds.left, bounds.top, bounds.width, bounds.height);
    if (!resized)
        applet.setTextBoxBounds(bounds);
    applet.setModified(true);
}

bool renameButton(TVelkForm& applet, int slot, const std::string& name) {
    TVelkPanel* first = applet.statePanel(1, slot);
    const bool blank = std::all_of(name.begin(), name.end(),
                                   [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
    if (!first || blank || name == first->itemName())
        return false;
    first->setItemName(name);
    applet.setModified(true);
    return true;
}

void keepGrid(TVelkForm& next, const TVelkForm& previous) {
    next.setGrid(previous.grid());
    next.setGridX(previous.gridX());
    next.setGridY(previous.gridY());
}

}  // namespace wendle
