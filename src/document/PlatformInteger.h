#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace wendle::document {

// Converts a document line to an integer the way the program always has: an
// optional "+" or "-", then decimal digits or "$" and hexadecimal digits, and
// nothing else (no blanks). Decimal values must fit 32 signed bits;
// hexadecimal values may use all 32 bits and are taken as their signed
// reading, so "$FFFFFFFF" is -1. Anything else, the empty line included,
// gives none.
std::optional<std::int32_t> parsePlatformInteger(std::string_view text);

}  // namespace wendle::document
