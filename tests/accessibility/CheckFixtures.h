#pragma once

// Small applets built in code for the accessibility tests: buttons with
// flat faces and no border, so every face pixel is the face colour.

#include <algorithm>
#include <string>
#include <vector>

#include "accessibility/AccessibilityCheck.h"
#include "accessibility/Finding.h"
#include "model/VelkForm.h"
#include "model/VelkPanel.h"

namespace wendle::testing {

// An applet of 400 x 200 with count new buttons (95 x 30, one under another).
inline void buildApplet(TVelkForm& applet, int count) {
    applet.SetDefaults();
    applet.setClientSize(400, 225);
    for (int i = 0; i < count; ++i) applet.CreateMenuItem();
}

// Every state of the button in slot: a flat face of background, no border,
// caption in ink.
inline void flatFaces(TVelkForm& applet, int slot, Colour background, Colour ink) {
    for (int state = 1; state <= kStateCount; ++state) {
        TVelkPanel* panel = applet.statePanel(state, slot);
        panel->setFade(false);
        panel->setBorderWidth(0);
        panel->setBkColor(background);
        panel->setFontColor(ink);
    }
}

inline std::vector<accessibility::Finding> findingsOf(
    const std::vector<accessibility::Finding>& all, accessibility::Rule rule) {
    std::vector<accessibility::Finding> found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [rule](const accessibility::Finding& f) { return f.rule == rule; });
    return found;
}

inline std::vector<accessibility::Finding> check(TVelkForm& applet, accessibility::Rule rule) {
    return findingsOf(accessibility::checkApplet(applet), rule);
}

}  // namespace wendle::testing
