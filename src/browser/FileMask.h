#pragma once

#include <string>
#include <string_view>

namespace wendle {

// A wildcard pattern applied to entry names the way the platform's folder
// search applies it: letter case ignored (ASCII), "*" any run of characters,
// "?" any one character. Two old habits are kept: "*.*" means every name,
// and a pattern that ends in "." matches only names without a dot (so "*."
// lists the names that have no extension).
class FileMask {
  public:
    explicit FileMask(std::string_view pattern = "*");

    bool matches(std::string_view name) const;

  private:
    enum class Kind { everything, exact, suffix, general };

    bool matchesGeneral(std::string_view name) const;

    std::string pattern_;  // lower case, trailing "." removed
    Kind kind_ = Kind::general;
    bool onlyWithoutDot_ = false;
};

// ASCII lower case, the only case folding the search does.
inline char asciiLower(char c) {
    return static_cast<unsigned char>(c - 'A') < 26u ? static_cast<char>(c + ('a' - 'A')) : c;
}
std::string asciiLowered(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// Case-insensitive order of names: the one the folder list is kept in.
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace wendle
