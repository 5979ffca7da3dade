#include "accessibility/AccessibilityCheck.h"

#include <algorithm>

#include "accessibility/Rules.h"
#include "model/VelkPanel.h"

namespace wendle::accessibility {

namespace {

int subjectOrder(const Finding& f) {
    switch (f.subject) {
        case Subject::Button:
            return f.ordinal;
        case Subject::TextBox:
            return 1000;
        case Subject::AlternativeHtml:
            return 1001;
    }
    return 1002;
}

}  // namespace

std::vector<Finding> checkApplet(TVelkForm& applet, const document::PageColours& page) {
    std::vector<Finding> findings;
    const std::vector<int> used = applet.usedSlots();
    for (std::size_t n = 0; n < used.size(); ++n) {
        ButtonFaces button;
        button.ordinal = int(n);
        bool complete = true;
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel* panel = applet.statePanel(state, used[n]);
            complete = complete && panel;
            button.panels[std::size_t(state - 1)] = panel;
        }
        if (!complete)
            continue;
        for (std::size_t i = 0; i < button.panels.size(); ++i)
            button.snapshots[i] = snapshotFace(applet, *button.panels[i]);
        checkCaptionContrast(button, findings);
        checkStateContrast(button, findings);
        checkName(button, findings);
        checkHoverSound(button, findings);
    }
    checkTargetSizes(applet, findings);
    checkLinks(applet, findings);
    checkTextBox(applet, findings);
    checkAlternativeHtml(applet, page, findings);

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (subjectOrder(a) != subjectOrder(b))
            return subjectOrder(a) < subjectOrder(b);
        if (a.state != b.state)
            return a.state < b.state;
        return a.rule < b.rule;
    });
    return findings;
}

}  // namespace wendle::accessibility
