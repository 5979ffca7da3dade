#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace wendle {

// The reversible scramble of encrypted settings, keyed by the setting's
// UniqueName and a salt byte (the random first byte of the stored value),
// so that the same value never looks the same twice. It keeps values such
// as the chosen browser's path from being read at a glance; it is not
// protection against someone who reads this code.
std::vector<std::uint8_t> scramble(const std::vector<std::uint8_t>& plain, std::string_view key,
                                   std::uint8_t salt);
std::vector<std::uint8_t> unscramble(const std::vector<std::uint8_t>& scrambled,
                                     std::string_view key, std::uint8_t salt);

}  // namespace wendle
