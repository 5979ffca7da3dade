#pragma once

#include <array>
#include <optional>

namespace wendle {

// Typefaces by index, as the applet numbers them.
inline constexpr std::array<const char*, 3> kTypefaces = {"Times New Roman", "Courier New",
                                                          "Arial"};
// The same typefaces as the editors show them.
inline constexpr std::array<const char*, 3> kTypefaceCaptions = {"TimesRoman", "Courier", "Arial"};

// The applet's font sizes, in the order the editors list them.
inline constexpr std::array<int, 14> kFontSizes = {8,  10, 12, 14, 16, 18, 20,
                                                   22, 24, 26, 28, 36, 48, 72};

// The point size the preview draws an applet font size with; none for a size
// outside the table (the caller then keeps its previous size).
std::optional<int> previewPointSize(int fontSize);

// The typeface of an index, or none outside the table.
std::optional<const char*> typefaceOf(int index);

}  // namespace wendle
