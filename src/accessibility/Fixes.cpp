#include "accessibility/Fixes.h"

#include <algorithm>

#include "model/Editing.h"
#include "model/VelkPanel.h"

namespace wendle::accessibility {

void applyEdit(TVelkForm& applet, const Edit& edit) {
    using P = Edit::Property;
    switch (edit.property) {
        case P::FontColor:
            if (TVelkPanel* panel = applet.statePanel(edit.state, edit.slot))
                panel->setFontColor(edit.colour);
            else
                return;
            break;
        case P::HintText:
            if (TVelkPanel* panel = applet.statePanel(edit.state, edit.slot))
                panel->setHintText(edit.text);
            else
                return;
            break;
        case P::Size:
            if (const TVelkPanel* first = applet.statePanel(1, edit.slot))
                SetSizeXY(applet, edit.slot, first->left(), first->top(), edit.width, edit.height);
            else
                return;
            break;
        case P::TextBoxTextColor:
            applet.setTextBoxTextColor(edit.colour);
            break;
    }
    applet.setModified(true);
}

void applyFix(TVelkForm& applet, const Fix& fix) {
    for (const Edit& edit : fix.edits) applyEdit(applet, edit);
}

Edit restoringEdit(const TVelkForm& applet, const Edit& edit) {
    using P = Edit::Property;
    Edit before = edit;
    const TVelkPanel* panel =
        applet.statePanel(edit.property == P::Size ? 1 : edit.state, edit.slot);
    switch (edit.property) {
        case P::FontColor:
            if (panel)
                before.colour = panel->fontColor();
            break;
        case P::HintText:
            if (panel)
                before.text = panel->hintText();
            break;
        case P::Size:
            if (panel) {
                before.width = panel->width();
                before.height = panel->height();
            }
            break;
        case P::TextBoxTextColor:
            before.colour = applet.textBoxTextColor();
            break;
    }
    return before;
}

Fix combinedFix(const std::vector<Finding>& findings) {
    Fix all;
    for (const Finding& finding : findings) {
        if (!finding.fix)
            continue;
        for (const Edit& edit : finding.fix->edits) {
            if (std::find(all.edits.begin(), all.edits.end(), edit) == all.edits.end())
                all.edits.push_back(edit);
        }
    }
    return all;
}

}  // namespace wendle::accessibility
