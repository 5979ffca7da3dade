// name, link and hover-sound: what the buttons say and do.
#include <algorithm>
#include <cctype>

#include "accessibility/Rules.h"
#include "model/CharacterCheck.h"
#include "model/VelkPanel.h"

namespace wendle::accessibility {

namespace {

bool blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
}

}  // namespace

std::string hintFromPictureName(const std::string& imageName) {
    std::string name = imageName.substr(imageName.find_last_of("/\\") + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    std::string hint;
    for (char c : name) {
        const char shown = (c == '-' || c == '_' || c == '.') ? ' ' : c;
        if (checkCharacters(std::string_view(&shown, 1)))
            continue;
        if (shown == ' ' && (hint.empty() || hint.back() == ' '))
            continue;
        hint += shown;
    }
    while (!hint.empty() && hint.back() == ' ') hint.pop_back();
    if (!hint.empty())
        hint[0] = char(std::toupper(static_cast<unsigned char>(hint[0])));
    return hint;
}

void checkName(const ButtonFaces& button, std::vector<Finding>& out) {
    const TVelkPanel& first = *button.panels[0];
    if (!blank(first.caption()) || !blank(first.hintText()))
        return;
    Finding finding = buttonFinding(Rule::Name, first, button.ordinal);
    std::string hint;
    for (const TVelkPanel* panel : button.panels) {
        if (hint.empty())
            hint = hintFromPictureName(panel->imageName());
    }
    if (!hint.empty()) {
        Fix fix;
        for (const TVelkPanel* panel : button.panels) {
            if (!blank(panel->hintText()))
                continue;
            Edit edit;
            edit.property = Edit::Property::HintText;
            edit.slot = panel->tag();
            edit.state = panel->state();
            edit.text = hint;
            fix.edits.push_back(edit);
        }
        finding.fix = std::move(fix);
    }
    out.push_back(std::move(finding));
}

void checkLinks(const TVelkForm& applet, std::vector<Finding>& out) {
    std::vector<std::pair<const TVelkPanel*, int>> without;
    bool anyLink = false;
    const auto& used = applet.usedSlots();
    for (std::size_t n = 0; n < used.size(); ++n) {
        const TVelkPanel* first = applet.statePanel(1, used[n]);
        if (!first)
            continue;
        if (blank(first->link()))
            without.emplace_back(first, int(n));
        else
            anyLink = true;
    }
    if (!anyLink)
        return;
    for (const auto& [panel, ordinal] : without)
        out.push_back(buttonFinding(Rule::Link, *panel, ordinal));
}

void checkHoverSound(const ButtonFaces& button, std::vector<Finding>& out) {
    const TVelkPanel& over = *button.panels[1];
    if (!blank(over.soundName()))
        out.push_back(buttonFinding(Rule::HoverSound, over, button.ordinal));
}

}  // namespace wendle::accessibility
