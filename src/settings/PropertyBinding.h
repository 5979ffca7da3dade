#pragma once

#include <optional>
#include <string>

#include "settings/SettingValue.h"

namespace wendle {

// The settings components know no widgets: they reach the properties they
// keep through this interface, which the window implements. A path is the
// dotted BoundProperty of a setting, from the window to a property, such as
// "Label26.Caption" or "BrowserNames.Items" (the editor resolves the first
// parts with findChild and the last with the property system).
class PropertyBinding {
  public:
    virtual ~PropertyBinding() = default;

    // The property's current value with its kind (a caption is Text, the
    // items of a list box a StringList); nullopt when the path names nothing.
    virtual std::optional<SettingValue> get(const std::string& path) const = 0;

    // Gives the property a restored value. The value may be of another kind
    // than the property (a text stored for a number); convert it or refuse
    // it. False when the path names nothing or the value was refused.
    virtual bool set(const std::string& path, const SettingValue& value) = 0;
};

}  // namespace wendle
