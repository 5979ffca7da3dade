#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "model/ButtonValues.h"
#include "model/FormValues.h"

namespace wendle {

// Which parts of the applet an edit may change.
struct EditScope {
    // The applet's own values (FormValues).
    bool form = false;
    // The buttons whose values may change or that may be deleted. Buttons
    // the edit creates are found by themselves when order is set.
    std::vector<int> buttonSlots;
    // The list of buttons, their stacking order and the links between them.
    bool order = false;
};

// The links, list and stacking order of all buttons.
struct ButtonOrder {
    std::vector<int> usedSlots;
    std::vector<int> stackingOrder;
    // (slot, itemLink) of every button.
    std::vector<std::pair<int, int>> links;
    bool operator==(const ButtonOrder&) const = default;
};

// The values of the parts of an edit's scope at one moment. A slot without
// values held no button.
struct AppletPart {
    std::optional<FormValues> form;
    std::vector<std::pair<int, std::optional<ButtonValues>>> buttons;
    std::optional<ButtonOrder> order;
    bool operator==(const AppletPart&) const = default;

    // The values of the button in this slot, or none when the part holds
    // no button there.
    const ButtonValues* button(int slot) const;
};

AppletPart capturePart(const TVelkForm& applet, const EditScope& scope);
// Puts the applet's parts back as they were when captured: buttons come back
// in their buttonSlots, list places, stacking order and links, and buttons that
// did not exist go.
void restorePart(TVelkForm& applet, const AppletPart& part);

// One edit as the values it changed, before and after.
struct AppletChange {
    AppletPart before;
    AppletPart after;
    bool changed() const { return !(before == after); }
    // The buttonSlots that this change concerns (in either part).
    std::vector<int> changedSlots() const;
    bool changesForm() const { return before.form.has_value(); }
    bool changesOrder() const { return before.order.has_value(); }
};

// Keeps the parts of a scope as they are now; after the edit, commit() gives
// the change. An edit that creates buttons adds them to the scope itself.
class AppletTransaction {
  public:
    AppletTransaction(const TVelkForm& applet, EditScope scope);
    AppletChange commit() const;

  private:
    const TVelkForm& applet_;
    EditScope scope_;
    AppletPart before_;
};

}  // namespace wendle
