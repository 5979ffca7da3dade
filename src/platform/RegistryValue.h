#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace wendle::platform {

// One typed value of the registry-like store: a text, a 32-bit integer or
// binary data. Keeping the type is the point of the store: a reader can tell
// the integer 1 from the text "1" and from one byte of data.
class RegistryValue {
  public:
    enum class Type { Text, Integer, Binary };

    RegistryValue() : data_(std::string()) {}
    static RegistryValue text(std::string value) {
        RegistryValue result;
        result.data_.emplace<std::string>(std::move(value));
        return result;
    }
    static RegistryValue integer(std::uint32_t value) {
        RegistryValue result;
        result.data_.emplace<std::uint32_t>(value);
        return result;
    }
    static RegistryValue binary(std::vector<std::uint8_t> value) {
        RegistryValue result;
        result.data_.emplace<std::vector<std::uint8_t>>(std::move(value));
        return result;
    }

    Type type() const { return static_cast<Type>(data_.index()); }
    // Each accessor expects the matching type (std::bad_variant_access otherwise).
    const std::string& asText() const { return std::get<std::string>(data_); }
    std::uint32_t asInteger() const { return std::get<std::uint32_t>(data_); }
    const std::vector<std::uint8_t>& asBinary() const {
        return std::get<std::vector<std::uint8_t>>(data_);
    }

    bool operator==(const RegistryValue&) const = default;

  private:
    // Built in place by the factories (moving a whole variant in trips
    // false warnings of some compilers).
    std::variant<std::string, std::uint32_t, std::vector<std::uint8_t>> data_;
};

}  // namespace wendle::platform
