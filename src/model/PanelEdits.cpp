#include "model/PanelEdits.h"

namespace wendle {

void setTransparentBackground(PanelValues& state, bool on) {
    state.transparentBk = on;
    if (on)
        state.fade = false;
}

void setStateImage(PanelValues& state, const std::string& name, const std::string& path) {
    state.imageName = name;
    state.imagePath = path;
    state.transparentBk = false;
}

void setStateSound(PanelValues& state, const std::string& name, const std::string& path) {
    state.soundName = name;
    state.soundPath = path;
}

void setBorderItem(PanelValues& state, int item) {
    state.borderStyle = std::int16_t(item / 2 + 1);
    state.raised = item % 2 == 0;
}

}  // namespace wendle
