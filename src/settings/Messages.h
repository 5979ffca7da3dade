#pragma once

#include <stdexcept>
#include <string>

// The settings components' own texts, letter for letter.
namespace wendle::settings_messages {

inline constexpr const char* kCannotGetAs =
    "Cannot use GetAs functions with collections or hidden properties";
inline constexpr const char* kCannotSetAs =
    "Cannot use SetAs functions with collections or hidden properties";
inline constexpr const char* kParentMustBeForm = "Parent must be a TCustomForm descendent";

// A value asked for as a type it cannot be read as: "'abc' is not a valid
// integer value".
inline constexpr const char* kNotAValidInteger = "'%s' is not a valid integer value";
inline constexpr const char* kNotAValidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* kNotAValidBoolean = "'%s' is not a valid boolean value";

// A settings file that could not be used: "<file>: <why>" + kStartAfresh,
// or "<file>" + kSetAside + "<file>.corrupt" + kStartAfresh.
inline constexpr const char* kSetAside =
    " is too large to be a settings file; it was set aside as ";
inline constexpr const char* kStartAfresh = ". The settings start from their defaults.";

}  // namespace wendle::settings_messages

namespace wendle {

// Raised by the settings components with one of the texts above.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace wendle
