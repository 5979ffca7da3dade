#include "model/AppletChange.h"

#include <algorithm>

namespace wendle {

namespace {

ButtonOrder captureOrder(const TVelkForm& applet) {
    ButtonOrder order;
    order.usedSlots = applet.usedSlots();
    order.stackingOrder = applet.stackingOrder();
    for (int slot : applet.usedSlots()) {
        order.links.emplace_back(slot, applet.statePanel(1, slot)->itemLink());
    }
    return order;
}

}  // namespace

AppletPart capturePart(const TVelkForm& applet, const EditScope& scope) {
    AppletPart part;
    if (scope.form)
        part.form = captureForm(applet);
    for (int slot : scope.buttonSlots) {
        std::optional<ButtonValues> values;
        if (applet.statePanel(1, slot))
            values = captureButton(applet, slot);
        part.buttons.emplace_back(slot, std::move(values));
    }
    if (scope.order)
        part.order = captureOrder(applet);
    return part;
}

void restorePart(TVelkForm& applet, const AppletPart& part) {
    for (const auto& [slot, values] : part.buttons) {
        if (!values) {
            applet.removeButtonPanels(slot);
            continue;
        }
        applet.placeButton(slot);
        applyButton(applet, slot, *values);
    }
    if (part.order) {
        applet.setButtonOrder(part.order->usedSlots, part.order->stackingOrder);
        for (const auto& [slot, link] : part.order->links) {
            if (TVelkPanel* first = applet.statePanel(1, slot))
                first->setItemLink(std::int16_t(link));
        }
    }
    if (part.form)
        applyForm(applet, *part.form);
}

const ButtonValues* AppletPart::button(int slot) const {
    for (const auto& [partSlot, values] : buttons) {
        if (partSlot == slot)
            return values ? &*values : nullptr;
    }
    return nullptr;
}

std::vector<int> AppletChange::changedSlots() const {
    std::vector<int> buttonSlots;
    for (const auto& entry : before.buttons) buttonSlots.push_back(entry.first);
    return buttonSlots;
}

AppletTransaction::AppletTransaction(const TVelkForm& applet, EditScope scope)
    : applet_(applet), scope_(std::move(scope)), before_(capturePart(applet_, scope_)) {}

AppletChange AppletTransaction::commit() const {
    EditScope scope = scope_;
    AppletPart before = before_;
    if (scope.order) {
        // Buttons that came into being were not there before.
        for (int slot : applet_.usedSlots()) {
            if (std::find(scope.buttonSlots.begin(), scope.buttonSlots.end(), slot) !=
                scope.buttonSlots.end())
                continue;
            const auto& old = before.order->usedSlots;
            if (std::find(old.begin(), old.end(), slot) != old.end())
                continue;
            scope.buttonSlots.push_back(slot);
            before.buttons.emplace_back(slot, std::nullopt);
        }
    }
    return {std::move(before), capturePart(applet_, scope)};
}

}  // namespace wendle
