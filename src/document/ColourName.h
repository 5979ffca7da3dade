#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/Colour.h"

namespace wendle::document {

struct NamedColour {
    const char* name;
    Colour value;
};

// The colour names a document may use: the sixteen standard colours, the 25
// system colours (0x80000000 + k) and clNone.
extern const std::array<NamedColour, 42> kColourNames;

// A colour as the document stores it: its name when the table has its value,
// otherwise "$" and eight upper-case hexadecimal digits.
std::string colourName(Colour colour);

// A colour line read back: a name of the table in any letter case, or an
// integer in the platform's form (decimal, or hexadecimal after "$"). None
// when the line is neither.
std::optional<Colour> parseColour(std::string_view text);

}  // namespace wendle::document
