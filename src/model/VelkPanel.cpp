#include "model/VelkPanel.h"

namespace wendle {

TVelkPanel::TVelkPanel(int slot, int state) : state_(std::uint8_t(state)), tag_(slot) {
    SetDefaults();
}

void TVelkPanel::SetDefaults() {
#define WENDLE_ASSIGN_PANEL_DEFAULT(Type, name, Name, def, marks) set##Name(Type(def));
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_ASSIGN_PANEL_DEFAULT)
#undef WENDLE_ASSIGN_PANEL_DEFAULT
    width_ = 95;
    height_ = 30;
    modified_ = true;
}

void TVelkPanel::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TVelkPanel::copyLookFrom(const TVelkPanel& other) {
#define WENDLE_COPY_PANEL_PROPERTY(Type, name, Name, def, marks) set##Name(other.name());
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_COPY_PANEL_PROPERTY)
#undef WENDLE_COPY_PANEL_PROPERTY
    caption_ = other.caption_;
    setBounds(other.left_, other.top_, other.width_, other.height_);
    modified_ = true;
}

}  // namespace wendle
