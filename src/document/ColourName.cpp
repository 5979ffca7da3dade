#include "document/ColourName.h"

#include <cstdio>

#include "document/PlatformInteger.h"

namespace wendle::document {

namespace {

constexpr Colour kSystemColour = 0x80000000u;

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

}  // namespace

const std::array<NamedColour, 42> kColourNames = {{
    {"clBlack", 0x00000000u},
    {"clMaroon", 0x00000080u},
    {"clGreen", 0x00008000u},
    {"clOlive", 0x00008080u},
    {"clNavy", 0x00800000u},
    {"clPurple", 0x00800080u},
    {"clTeal", 0x00808000u},
    {"clGray", 0x00808080u},
    {"clSilver", 0x00C0C0C0u},
    {"clRed", 0x000000FFu},
    {"clLime", 0x0000FF00u},
    {"clYellow", 0x0000FFFFu},
    {"clBlue", 0x00FF0000u},
    {"clFuchsia", 0x00FF00FFu},
    {"clAqua", 0x00FFFF00u},
    {"clWhite", 0x00FFFFFFu},
    {"clScrollBar", kSystemColour + 0},
    {"clBackground", kSystemColour + 1},
    {"clActiveCaption", kSystemColour + 2},
    {"clInactiveCaption", kSystemColour + 3},
    {"clMenu", kSystemColour + 4},
    {"clWindow", kSystemColour + 5},
    {"clWindowFrame", kSystemColour + 6},
    {"clMenuText", kSystemColour + 7},
    {"clWindowText", kSystemColour + 8},
    {"clCaptionText", kSystemColour + 9},
    {"clActiveBorder", kSystemColour + 10},
    {"clInactiveBorder", kSystemColour + 11},
    {"clAppWorkSpace", kSystemColour + 12},
    {"clHighlight", kSystemColour + 13},
    {"clHighlightText", kSystemColour + 14},
    {"clBtnFace", kSystemColour + 15},
    {"clBtnShadow", kSystemColour + 16},
    {"clGrayText", kSystemColour + 17},
    {"clBtnText", kSystemColour + 18},
    {"clInactiveCaptionText", kSystemColour + 19},
    {"clBtnHighlight", kSystemColour + 20},
    {"cl3DDkShadow", kSystemColour + 21},
    {"cl3DLight", kSystemColour + 22},
    {"clInfoText", kSystemColour + 23},
    {"clInfoBk", kSystemColour + 24},
    {"clNone", 0x1FFFFFFFu},
}};

std::string colourName(Colour colour) {
    for (const auto& named : kColourNames) {
        if (named.value == colour)
            return named.name;
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", unsigned(colour));
    return text;
}

std::optional<Colour> parseColour(std::string_view text) {
    for (const auto& named : kColourNames) {
        if (sameLetters(text, named.name))
            return named.value;
    }
    if (const auto value = parsePlatformInteger(text))
        return Colour(std::uint32_t(*value));
    return std::nullopt;
}

}  // namespace wendle::document
