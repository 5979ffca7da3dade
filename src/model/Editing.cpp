#include "model/Editing.h"

#include <algorithm>
#include <cmath>

#include "model/UpdatingControls.h"

namespace wendle {

namespace {

void setSelected(TVelkForm& applet, int slot, bool selected) {
    for (int state = 1; state <= kStateCount; ++state) {
        if (TVelkPanel* panel = applet.statePanel(state, slot)) {
            panel->setSelected(selected);
            panel->setModified(true);
        }
    }
    if (AppletObserver* observer = applet.observer()) {
        UpdatingControlsScope updating;
        observer->selectionChanged(applet, slot, selected);
    }
}

void moveButton(TVelkForm& applet, int slot, int left, int top) {
    for (int state = 1; state <= kStateCount; ++state) {
        if (TVelkPanel* panel = applet.statePanel(state, slot)) {
            panel->setLeft(left);
            panel->setTop(top);
            if (panel->transparentBk())
                panel->setModified(true);
        }
    }
}

}  // namespace

void SelectOneItem(TVelkForm& applet, int slot) {
    if (!applet.statePanel(1, slot))
        return;
    applet.addToSelection(slot);
    setSelected(applet, slot, true);
}

void UnselectOneItem(TVelkForm& applet, int slot) {
    applet.removeFromSelection(slot);
    if (applet.statePanel(1, slot))
        setSelected(applet, slot, false);
}

void UnselectAll(TVelkForm& applet) {
    while (!applet.selectedSlots().empty()) UnselectOneItem(applet, applet.selectedSlots().front());
}

int snapToGrid(int value, int step) {
    if (step <= 0)
        return value;
    // nearbyint rounds an exact half to the even neighbour.
    return int(std::nearbyint(double(value) / double(step))) * step;
}

void SetSizeXY(TVelkForm& applet, int slot, int left, int top, int width, int height) {
    for (int state = 1; state <= kStateCount; ++state) {
        if (TVelkPanel* panel = applet.statePanel(state, slot)) {
            panel->setBounds(left, top, width, height);
        }
    }
}

void dropButton(TVelkForm& applet, int slot, int left, int top) {
    if (applet.grid()) {
        left = snapToGrid(left, applet.gridX());
        top = snapToGrid(top, applet.gridY());
    }
    moveButton(applet, slot, left, top);
    applet.setModified(true);
}

void repaintIfTransparent(TVelkForm& applet) {
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel* panel = applet.statePanel(state, slot);
            if (panel && panel->transparentBk())
                panel->setModified(true);
        }
    }
}

bool alignSelected(TVelkForm& applet, AlignEdge edge) {
    std::vector<TVelkPanel*> concerned;
    for (int slot : applet.usedSlots()) {
        TVelkPanel* first = applet.statePanel(1, slot);
        if (first->selected())
            concerned.push_back(first);
    }
    if (concerned.empty())
        return false;

    const bool smallest = edge == AlignEdge::LeftSides || edge == AlignEdge::Tops;
    int reference = smallest ? 32767 : -32767;
    for (const TVelkPanel* panel : concerned) {
        switch (edge) {
            case AlignEdge::LeftSides:
                reference = std::min(reference, panel->left());
                break;
            case AlignEdge::RightSides:
                reference = std::max(reference, panel->left() + panel->width());
                break;
            case AlignEdge::Tops:
                reference = std::min(reference, panel->top());
                break;
            case AlignEdge::Bottoms:
                reference = std::max(reference, panel->bottom());
                break;
        }
    }
    for (TVelkPanel* panel : concerned) {
        int left = panel->left();
        int top = panel->top();
        switch (edge) {
            case AlignEdge::LeftSides:
                left = reference;
                break;
            case AlignEdge::RightSides:
                left = reference - panel->width();
                break;
            case AlignEdge::Tops:
                top = reference;
                break;
            case AlignEdge::Bottoms:
                top = reference - panel->height();
                break;
        }
        moveButton(applet, panel->tag(), left, top);
    }
    applet.setModified(true);
    return true;
}

void arrangeButtons(TVelkForm& applet, Arrangement arrangement) {
    if (applet.usedSlots().empty())
        return;
    const int border = applet.borderWidth();
    int width = 0;   // W: the row's or column's extent across
    int height = 0;  // H
    for (int slot : applet.usedSlots()) {
        const TVelkPanel& first = *applet.statePanel(1, slot);
        if (arrangement == Arrangement::Horizontal) {
            moveButton(applet, slot, border + width, border + kToolBarStrip);
            width += first.width();
            height = std::max(height, first.height());
        } else {
            moveButton(applet, slot, border, border + kToolBarStrip + height);
            height += first.height();
            width = std::max(width, first.width());
        }
        for (int state = 1; state <= kStateCount; ++state) {
            applet.statePanel(state, slot)->setModified(true);
        }
    }
    int textBoxHeight = 0;
    if (applet.textBoxVisible()) {
        TvelkTextBox& box = applet.textBox();
        box.left = border;
        box.top = height + border + kToolBarStrip;
        box.width = width;
        textBoxHeight = box.height;
    }
    applet.setClientSize(width + 2 * border + 1, height + 2 * border + textBoxHeight + 26);
    applet.setModified(true);
}

CreateMenuItemResult duplicateSelected(TVelkForm& applet) {
    if (applet.selectedSlots().empty())
        return {};
    const int source = applet.selectedSlots().back();
    CreateMenuItemResult created = applet.CreateMenuItem();
    if (!created.ok())
        return created;
    for (int state = 1; state <= kStateCount; ++state) {
        applet.statePanel(state, created.slot)->duplicateFrom(*applet.statePanel(state, source));
    }
    return created;
}

void deleteSelected(TVelkForm& applet) {
    while (!applet.selectedSlots().empty()) applet.deleteButton(applet.selectedSlots().front());
    applet.setModified(true);
}

}  // namespace wendle
