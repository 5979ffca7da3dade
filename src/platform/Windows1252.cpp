#include "platform/Windows1252.h"

#include <array>

namespace wendle::platform {

namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes one UTF-8 sequence at text[at]; none when it is not well formed.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 1;
    char32_t character = lead;
    if (lead >= 0xF0 && lead < 0xF5) {
        length = 4;
        character = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = lead < 0xF0 ? 3 : 0;
        character = lead & 0x0F;
    } else if (lead >= 0xC2) {
        length = 2;
        character = lead & 0x1F;
    } else if (lead >= 0x80) {
        length = 0;
    }
    if (length == 0 || at + std::size_t(length) > text.size())
        return std::nullopt;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + std::size_t(i)]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        character = (character << 6) | (next & 0x3F);
    }
    at += std::size_t(length);
    return character;
}

}  // namespace

char16_t windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return char16_t(byte);
}

std::optional<unsigned char> windows1252Byte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<unsigned char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const char16_t u = windows1252CodePoint(static_cast<unsigned char>(c));
        if (u < 0x80) {
            out += char(u);
        } else if (u < 0x800) {
            out += char(0xC0 | (u >> 6));
            out += char(0x80 | (u & 0x3F));
        } else {
            out += char(0xE0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3F));
            out += char(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto character = nextCharacter(text, at);
        if (!character)
            return std::nullopt;
        const auto byte = windows1252Byte(*character);
        if (!byte)
            return std::nullopt;
        out += char(*byte);
    }
    return out;
}

}  // namespace wendle::platform
