#include "model/ButtonTransfer.h"

#include <algorithm>
#include <set>
#include <utility>

#include "model/Editing.h"
#include "model/Messages.h"

namespace wendle {

namespace {

// The step a paste shifts by when it would cover buttons already there.
std::pair<int, int> gridStep(const TVelkForm& applet) {
    return {std::max(1, applet.gridX()), std::max(1, applet.gridY())};
}

bool coversAButton(const std::set<std::pair<int, int>>& taken,
                   const std::vector<ButtonValues>& buttons, int dx, int dy) {
    return std::any_of(buttons.begin(), buttons.end(), [&](const ButtonValues& button) {
        const PanelValues& first = button.states[0];
        return taken.count({first.left + dx, first.top + dy}) != 0;
    });
}

// Whether every button, moved by (dx, dy), lies on the applet's canvas.
bool staysOnCanvas(const TVelkForm& applet, const std::vector<ButtonValues>& buttons, int dx,
                   int dy) {
    return std::all_of(buttons.begin(), buttons.end(), [&](const ButtonValues& button) {
        const PanelValues& first = button.states[0];
        return first.left + dx >= 0 && first.top + dy >= kToolBarStrip &&
               first.left + dx + first.width <= applet.clientWidth() &&
               first.top + dy + first.height <= applet.clientHeight();
    });
}

// Where pasted buttons go: where they were, or a number of grid steps away
// when they would cover buttons already there. Steps down and right come
// first; a bar too short or too narrow for them is stepped along its length
// instead, so the copies show on the canvas. Bounded: after as many steps
// as there are buttons, at least one position is free of them.
std::pair<int, int> pasteOffset(const TVelkForm& applet, const std::set<std::pair<int, int>>& taken,
                                const std::vector<ButtonValues>& buttons) {
    const auto [stepX, stepY] = gridStep(applet);
    const std::pair<int, int> directions[] = {{stepX, stepY}, {stepX, 0}, {0, stepY}};
    for (const auto& [unitX, unitY] : directions) {
        for (int steps = 0; steps <= int(taken.size()); ++steps) {
            const int dx = unitX * steps;
            const int dy = unitY * steps;
            if (!staysOnCanvas(applet, buttons, dx, dy))
                break;
            if (!coversAButton(taken, buttons, dx, dy))
                return {dx, dy};
        }
    }
    // Nowhere on the canvas: down and right all the same.
    int dx = 0;
    int dy = 0;
    for (std::size_t tries = 0; tries <= taken.size() && coversAButton(taken, buttons, dx, dy);
         ++tries) {
        dx += stepX;
        dy += stepY;
    }
    return {dx, dy};
}

}  // namespace

std::vector<ButtonValues> copyButtons(const TVelkForm& applet,
                                      const std::vector<int>& buttonSlots) {
    std::vector<int> ordered;
    for (int slot : applet.usedSlots()) {
        if (std::find(buttonSlots.begin(), buttonSlots.end(), slot) != buttonSlots.end())
            ordered.push_back(slot);
    }
    std::vector<ButtonValues> buttons;
    for (int slot : ordered) {
        ButtonValues button = captureButton(applet, slot);
        for (PanelValues& state : button.states) {
            const auto target = std::find(ordered.begin(), ordered.end(), int(state.itemLink));
            state.itemLink = target == ordered.end() ? -1 : std::int16_t(target - ordered.begin());
        }
        buttons.push_back(std::move(button));
    }
    return buttons;
}

PasteResult pasteButtons(TVelkForm& applet, const std::vector<ButtonValues>& buttons) {
    if (int(applet.usedSlots().size() + buttons.size()) > kMaxButtons)
        return {{}, messages::kMaxButtons};

    std::set<std::pair<int, int>> taken;
    for (int slot : applet.usedSlots()) {
        const TVelkPanel* first = applet.statePanel(1, slot);
        taken.insert({first->left(), first->top()});
    }
    const auto [dx, dy] = pasteOffset(applet, taken, buttons);

    PasteResult result;
    for (const ButtonValues& button : buttons) {
        const CreateMenuItemResult created = applet.CreateMenuItem();
        if (!created.ok())
            break;  // cannot happen after the check above
        const std::string name = applet.statePanel(1, created.slot)->itemName();
        ButtonValues placed = button;
        for (PanelValues& state : placed.states) {
            state.left += dx;
            state.top += dy;
        }
        applyButton(applet, created.slot, placed);
        applet.statePanel(1, created.slot)->setItemName(name);
        result.created.push_back(created.slot);
    }
    for (std::size_t i = 0; i < result.created.size(); ++i) {
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel* panel = applet.statePanel(state, result.created[i]);
            const int link = buttons[i].states[std::size_t(state - 1)].itemLink;
            panel->setItemLink(link >= 0 && std::size_t(link) < result.created.size()
                                   ? std::int16_t(result.created[std::size_t(link)])
                                   : std::int16_t(-1));
        }
    }
    applet.showActiveStates();
    applet.setModified(true);
    return result;
}

void pasteLook(TVelkForm& applet, const std::vector<int>& buttonSlots, const ButtonValues& look) {
    for (int slot : buttonSlots) {
        for (int state = 1; state <= kStateCount; ++state) {
            if (TVelkPanel* panel = applet.statePanel(state, slot))
                applyLook(*panel, look.states[std::size_t(state - 1)]);
        }
    }
    applet.setModified(true);
}

void nudgeButtons(TVelkForm& applet, const std::vector<int>& buttonSlots, int dx, int dy) {
    for (int slot : buttonSlots) {
        const TVelkPanel* first = applet.statePanel(1, slot);
        if (!first)
            continue;
        SetSizeXY(applet, slot, first->left() + dx, first->top() + dy, first->width(),
                  first->height());
    }
    repaintIfTransparent(applet);
    applet.setModified(true);
}

}  // namespace wendle
