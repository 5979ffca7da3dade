#include "model/ButtonValues.h"

namespace wendle {

PanelValues capturePanel(const TVelkPanel& panel) {
    PanelValues values;
#define WENDLE_CAPTURE_PANEL_VALUE(Type, name, Name, def, marks) values.name = panel.name();
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_CAPTURE_PANEL_VALUE)
#undef WENDLE_CAPTURE_PANEL_VALUE
    values.selected = false;
    values.caption = panel.caption();
    values.left = panel.left();
    values.top = panel.top();
    values.width = panel.width();
    values.height = panel.height();
    return values;
}

void applyPanel(TVelkPanel& panel, const PanelValues& values) {
    const bool selected = panel.selected();
#define WENDLE_APPLY_PANEL_VALUE(Type, name, Name, def, marks) panel.set##Name(values.name);
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_APPLY_PANEL_VALUE)
#undef WENDLE_APPLY_PANEL_VALUE
    panel.setSelected(selected);
    panel.setCaption(values.caption);
    panel.setBounds(values.left, values.top, values.width, values.height);
    panel.setModified(true);
}

ButtonValues captureButton(const TVelkForm& applet, int slot) {
    ButtonValues values;
    for (int state = 1; state <= kStateCount; ++state) {
        values.states[std::size_t(state - 1)] = capturePanel(*applet.statePanel(state, slot));
    }
    return values;
}

void applyButton(TVelkForm& applet, int slot, const ButtonValues& values) {
    for (int state = 1; state <= kStateCount; ++state) {
        if (TVelkPanel* panel = applet.statePanel(state, slot))
            applyPanel(*panel, values.states[std::size_t(state - 1)]);
    }
}

void applyLook(TVelkPanel& panel, const PanelValues& look) {
    panel.setBkColor(look.bkColor);
    panel.setFadeColor(look.fadeColor);
    panel.setFade(look.fade);
    panel.setBorderColor(look.borderColor);
    panel.setBorderWidth(look.borderWidth);
    panel.setBorderStyle(look.borderStyle);
    panel.setRaised(look.raised);
    panel.setBorderShading(look.borderShading);
    panel.setImageName(look.imageName);
    panel.setImagePath(look.imagePath);
    panel.setImageStyle(look.imageStyle);
    panel.setImageX(look.imageX);
    panel.setImageY(look.imageY);
    panel.setFontName(look.fontName);
    panel.setFontSize(look.fontSize);
    panel.setFontStyle(look.fontStyle);
    panel.setFontAlignment(look.fontAlignment);
    panel.setFontColor(look.fontColor);
    panel.setFontShadow(look.fontShadow);
    panel.setFontShadowColor(look.fontShadowColor);
    panel.setSoundName(look.soundName);
    panel.setSoundPath(look.soundPath);
    panel.setHighlightColor(look.highlightColor);
    panel.setShowHighlight(look.showHighlight);
    panel.setTransparentBk(look.transparentBk);
    panel.setModified(true);
}

std::vector<std::string_view> changedFields(const PanelValues& before, const PanelValues& after) {
    std::vector<std::string_view> names;
#define WENDLE_COMPARE_PANEL_FIELD(Type, name, Name, def, marks) \
    if (before.name != after.name)                               \
        names.emplace_back(#name);
    WENDLE_VELK_PANEL_PROPERTIES(WENDLE_COMPARE_PANEL_FIELD)
#undef WENDLE_COMPARE_PANEL_FIELD
    if (before.caption != after.caption)
        names.emplace_back("caption");
    if (before.left != after.left || before.top != after.top)
        names.emplace_back("left");
    if (before.width != after.width || before.height != after.height)
        names.emplace_back("width");
    return names;
}

}  // namespace wendle
