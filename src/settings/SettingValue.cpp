#include "settings/SettingValue.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "settings/CommaText.h"
#include "settings/Messages.h"

namespace wendle {

SettingValue SettingValue::text(std::string value) {
    return make(SettingKind::Text, std::move(value));
}
SettingValue SettingValue::integer(std::int32_t value) {
    return make(SettingKind::Integer, value);
}
SettingValue SettingValue::floating(double value) {
    return make(SettingKind::Float, value);
}
SettingValue SettingValue::boolean(bool value) {
    return make(SettingKind::Boolean, value);
}
SettingValue SettingValue::dateTime(double days) {
    return make(SettingKind::DateTime, days);
}
SettingValue SettingValue::variant(std::string value) {
    return make(SettingKind::Variant, std::move(value));
}
SettingValue SettingValue::stringList(std::vector<std::string> items) {
    return make(SettingKind::StringList, std::move(items));
}
SettingValue SettingValue::hiddenProperties(std::vector<std::uint8_t> bytes) {
    return make(SettingKind::HiddenProperties, std::move(bytes));
}
SettingValue SettingValue::collection(std::vector<std::uint8_t> bytes) {
    return make(SettingKind::Collection, std::move(bytes));
}

const std::string& SettingValue::textValue() const {
    return std::get<std::string>(data_);
}
std::int32_t SettingValue::integerValue() const {
    return std::get<std::int32_t>(data_);
}
double SettingValue::floatValue() const {
    return std::get<double>(data_);
}
bool SettingValue::booleanValue() const {
    return std::get<bool>(data_);
}
const std::vector<std::string>& SettingValue::listValue() const {
    return std::get<std::vector<std::string>>(data_);
}
const std::vector<std::uint8_t>& SettingValue::bytesValue() const {
    return std::get<std::vector<std::uint8_t>>(data_);
}

namespace {

bool isStream(SettingKind kind) {
    return kind == SettingKind::HiddenProperties || kind == SettingKind::Collection;
}

[[noreturn]] void notValid(const char* message, const std::string& text) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, message, text.substr(0, 400).c_str());
    throw SettingsError(buffer);
}

std::string numberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    // The shortest text that reads back as the same number.
    for (int digits = 1; digits <= 17; ++digits) {
        char shorter[64];
        std::snprintf(shorter, sizeof shorter, "%.*g", digits, value);
        if (std::strtod(shorter, nullptr) == value)
            return shorter;
    }
    return buffer;
}

std::string asText(const SettingValue& value) {
    switch (value.kind()) {
        case SettingKind::None:
            return {};
        case SettingKind::Text:
        case SettingKind::Variant:
            return value.textValue();
        case SettingKind::Integer:
            return std::to_string(value.integerValue());
        case SettingKind::Float:
        case SettingKind::DateTime:
            return numberText(value.floatValue());
        case SettingKind::Boolean:
            return value.booleanValue() ? "True" : "False";
        case SettingKind::StringList:
            return toCommaText(value.listValue());
        case SettingKind::HiddenProperties:
        case SettingKind::Collection:
            break;
    }
    return {};
}

std::int32_t asInteger(const SettingValue& value) {
    switch (value.kind()) {
        case SettingKind::None:
            return 0;
        case SettingKind::Integer:
            return value.integerValue();
        case SettingKind::Boolean:
            return value.booleanValue() ? 1 : 0;
        case SettingKind::Float:
        case SettingKind::DateTime: {
            double rounded = std::nearbyint(value.floatValue());
            if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) {
                notValid(settings_messages::kNotAValidInteger, asText(value));
            }
            return static_cast<std::int32_t>(rounded);
        }
        default:
            break;
    }
    const std::string text = asText(value);
    std::int32_t result = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        notValid(settings_messages::kNotAValidInteger, text);
    }
    return result;
}

double asFloat(const SettingValue& value) {
    switch (value.kind()) {
        case SettingKind::None:
            return 0;
        case SettingKind::Float:
        case SettingKind::DateTime:
            return value.floatValue();
        case SettingKind::Integer:
            return value.integerValue();
        case SettingKind::Boolean:
            return value.booleanValue() ? 1 : 0;
        default:
            break;
    }
    const std::string text = asText(value);
    char* end = nullptr;
    errno = 0;
    double result = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || errno == ERANGE) {
        notValid(settings_messages::kNotAValidFloat, text);
    }
    return result;
}

bool asBoolean(const SettingValue& value) {
    switch (value.kind()) {
        case SettingKind::None:
            return false;
        case SettingKind::Boolean:
            return value.booleanValue();
        case SettingKind::Integer:
            return value.integerValue() != 0;
        case SettingKind::Float:
        case SettingKind::DateTime:
            return value.floatValue() != 0;
        default:
            break;
    }
    std::string text = asText(value);
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true")
        return true;
    if (lower == "false")
        return false;
    notValid(settings_messages::kNotAValidBoolean, text);
}

std::vector<std::string> asList(const SettingValue& value) {
    if (value.kind() == SettingKind::StringList)
        return value.listValue();
    if (value.kind() == SettingKind::None)
        return {};
    return fromCommaText(asText(value));
}

}  // namespace

SettingValue convertSetting(const SettingValue& value, SettingKind target,
                            const char* cannotConvertText) {
    if (isStream(value.kind()) || isStream(target))
        throw SettingsError(cannotConvertText);
    if (value.kind() == target)
        return value;
    switch (target) {
        case SettingKind::None:
            return {};
        case SettingKind::Text:
            return SettingValue::text(asText(value));
        case SettingKind::Variant:
            return SettingValue::variant(asText(value));
        case SettingKind::Integer:
            return SettingValue::integer(asInteger(value));
        case SettingKind::Float:
            return SettingValue::floating(asFloat(value));
        case SettingKind::DateTime:
            return SettingValue::dateTime(asFloat(value));
        case SettingKind::Boolean:
            return SettingValue::boolean(asBoolean(value));
        case SettingKind::StringList:
            return SettingValue::stringList(asList(value));
        case SettingKind::HiddenProperties:
        case SettingKind::Collection:
            break;
    }
    throw SettingsError(cannotConvertText);
}

}  // namespace wendle
