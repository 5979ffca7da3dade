#include "settings/PSetting.h"

#include "settings/Messages.h"

namespace wendle {

namespace {

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string TPSetting::UniqueName() const {
    std::string name = BoundProperty + Name;
    for (char& c : name) {
        if (!isAlphanumeric(c))
            c = '_';
    }
    return name;
}

std::string TPSetting::ValueName() const {
    if (!Name.empty())
        return Name;
    auto dot = BoundProperty.find_last_of('.');
    return dot == std::string::npos ? BoundProperty : BoundProperty.substr(dot + 1);
}

std::string TPSetting::SubKey() const {
    if (!Name.empty())
        return {};
    auto dot = BoundProperty.find_last_of('.');
    if (dot == std::string::npos)
        return {};
    std::string key = BoundProperty.substr(0, dot);
    for (char& c : key) {
        if (c == '.')
            c = '\\';
    }
    return key;
}

std::optional<SettingValue> TPSetting::Value() const {
    if (BoundProperty.empty() || !binding_)
        return held_;
    return binding_->get(BoundProperty);
}

bool TPSetting::SetValue(const SettingValue& value) {
    if (BoundProperty.empty() || !binding_) {
        held_ = value;
        return true;
    }
    return binding_->set(BoundProperty, value);
}

SettingKind TPSetting::Kind() const {
    auto value = Value();
    return value ? value->kind() : SettingKind::None;
}

SettingValue TPSetting::get(SettingKind kind) const {
    const std::optional<SettingValue> value = Value();
    const SettingValue none;
    return convertSetting(value ? *value : none, kind, settings_messages::kCannotGetAs);
}

void TPSetting::setAs(const SettingValue& value) {
    // A value keeps its kind: text set into a number property must read as one.
    SettingKind current = Kind();
    SetValue(current == SettingKind::None
                 ? value
                 : convertSetting(value, current, settings_messages::kCannotSetAs));
}

std::string TPSetting::GetAsString() const {
    return get(SettingKind::Text).textValue();
}
std::int32_t TPSetting::GetAsInteger() const {
    return get(SettingKind::Integer).integerValue();
}
double TPSetting::GetAsFloat() const {
    return get(SettingKind::Float).floatValue();
}
bool TPSetting::GetAsBoolean() const {
    return get(SettingKind::Boolean).booleanValue();
}
double TPSetting::GetAsDateTime() const {
    return get(SettingKind::DateTime).floatValue();
}
std::vector<std::string> TPSetting::GetAsStrings() const {
    return get(SettingKind::StringList).listValue();
}

void TPSetting::SetAsString(const std::string& value) {
    setAs(SettingValue::text(value));
}
void TPSetting::SetAsInteger(std::int32_t value) {
    setAs(SettingValue::integer(value));
}
void TPSetting::SetAsFloat(double value) {
    setAs(SettingValue::floating(value));
}
void TPSetting::SetAsBoolean(bool value) {
    setAs(SettingValue::boolean(value));
}
void TPSetting::SetAsDateTime(double value) {
    setAs(SettingValue::dateTime(value));
}
void TPSetting::SetAsStrings(const std::vector<std::string>& value) {
    setAs(SettingValue::stringList(value));
}

}  // namespace wendle
