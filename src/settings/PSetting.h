#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/PropertyBinding.h"
#include "settings/SettingValue.h"

namespace wendle {

// One kept value of a settings component. A bound setting (BoundProperty
// set) reads and writes a property of its window; an unbound one holds its
// value itself.
class TPSetting {
  public:
    // The registry value name; when empty, the name comes from BoundProperty.
    std::string Name;
    // A dotted path from the window to a property, e.g. "browser.Caption".
    std::string BoundProperty;
    // The name of an application-wide value this setting stands for; it is
    // then stored by the component's AppSettingsCtrl. Empty for a setting
    // its own component stores.
    std::string RelAppSetting;
    // Stored scrambled, readable only by this setting.
    bool Encrypted = false;

    explicit TPSetting(PropertyBinding* binding) : binding_(binding) {}

    // BoundProperty followed by Name, every character other than 0-9, A-Z and
    // a-z replaced by "_": the key of the scramble.
    std::string UniqueName() const;

    // Where the value lies, below the component's key: Name directly in it;
    // otherwise the bound path split at its dots, the last part the value
    // name, the parts before it sub-keys ("BrowserNames.Items" is the value
    // "Items" in the sub-key "BrowserNames"). Both empty: not stored at all.
    std::string ValueName() const;
    std::string SubKey() const;

    // The current value: the bound property's, or the held one. Nullopt when
    // the bound path names nothing.
    std::optional<SettingValue> Value() const;
    // Gives the setting a value (to the bound property, or held); false when
    // the bound property refused it.
    bool SetValue(const SettingValue& value);
    SettingKind Kind() const;

    // The value read as a type. Throw SettingsError with
    // "Cannot use GetAs functions with collections or hidden properties" for
    // those kinds, or when the value does not read as the type.
    std::string GetAsString() const;
    std::int32_t GetAsInteger() const;
    double GetAsFloat() const;
    bool GetAsBoolean() const;
    double GetAsDateTime() const;
    std::vector<std::string> GetAsStrings() const;

    // The value set from a type, converted to the kind the setting holds.
    // Throw SettingsError with
    // "Cannot use SetAs functions with collections or hidden properties".
    void SetAsString(const std::string& value);
    void SetAsInteger(std::int32_t value);
    void SetAsFloat(double value);
    void SetAsBoolean(bool value);
    void SetAsDateTime(double value);
    void SetAsStrings(const std::vector<std::string>& value);

    // The value as designed, before the first restore (see TPSettings::SaveAll).
    const std::optional<SettingValue>& DesignValue() const { return design_; }
    void rememberDesignValue() { design_ = Value(); }

  private:
    SettingValue get(SettingKind kind) const;
    void setAs(const SettingValue& value);

    PropertyBinding* binding_;
    SettingValue held_;
    std::optional<SettingValue> design_;
};

}  // namespace wendle
