#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace wendle {

// The kinds of value a setting can hold, numbered as they are stored.
enum class SettingKind : std::uint32_t {
    None = 0,
    Text = 1,
    Integer = 2,
    Float = 3,
    Boolean = 4,
    DateTime = 5,  // days since 30 December 1899, the fraction is the time of day
    Variant = 6,   // held as text
    StringList = 7,
    HiddenProperties = 8,  // opaque bytes the window streams itself
    Collection = 9,        // opaque bytes the window streams itself
};

inline constexpr std::uint32_t kHighestSettingKind = 9;

// One value of a kept property, with its kind.
class SettingValue {
  public:
    SettingValue() = default;  // kind None

    static SettingValue text(std::string value);
    static SettingValue integer(std::int32_t value);
    static SettingValue floating(double value);
    static SettingValue boolean(bool value);
    static SettingValue dateTime(double days);
    static SettingValue variant(std::string value);
    static SettingValue stringList(std::vector<std::string> items);
    static SettingValue hiddenProperties(std::vector<std::uint8_t> bytes);
    static SettingValue collection(std::vector<std::uint8_t> bytes);

    SettingKind kind() const { return kind_; }

    // Each accessor expects a matching kind (std::bad_variant_access otherwise).
    const std::string& textValue() const;  // Text, Variant
    std::int32_t integerValue() const;
    double floatValue() const;  // Float, DateTime
    bool booleanValue() const;
    const std::vector<std::string>& listValue() const;
    const std::vector<std::uint8_t>& bytesValue() const;  // HiddenProperties, Collection

    bool operator==(const SettingValue&) const = default;

  private:
    using Data = std::variant<std::monostate, std::string, std::int32_t, double, bool,
                              std::vector<std::string>, std::vector<std::uint8_t>>;
    template <typename T>
    static SettingValue make(SettingKind kind, T&& value) {
        SettingValue result;
        result.kind_ = kind;
        result.data_.emplace<std::decay_t<T>>(std::forward<T>(value));
        return result;
    }

    SettingKind kind_ = SettingKind::None;
    Data data_;
};

// The value converted to another kind, as the GetAs and SetAs functions of a
// setting need it: numbers and Booleans to and from text, a string list to
// and from its comma text. Throws SettingsError when the text does not read
// as the kind asked for, and for collections and hidden properties (with
// `cannotConvertText`, which names the GetAs or SetAs family).
SettingValue convertSetting(const SettingValue& value, SettingKind target,
                            const char* cannotConvertText);

}  // namespace wendle
