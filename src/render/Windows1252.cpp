#include "render/Windows1252.h"

#include <array>

namespace wendle {

namespace {

// 0x80..0x9F; the five bytes the code page leaves unassigned keep their
// own value, as the platform's conversion does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t codePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return char16_t(byte);
}

}  // namespace

QString fromWindows1252(std::string_view text) {
    QString out;
    out.reserve(qsizetype(text.size()));
    for (char c : text) out.append(QChar(codePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string toWindows1252(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        // A character beyond the basic plane is one "?", not two.
        if (ch.isLowSurrogate())
            continue;
        const char16_t code = ch.unicode();
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            byte = char(code);
        } else {
            for (std::size_t i = 0; i < kHighControls.size(); ++i) {
                if (kHighControls[i] == code)
                    byte = char(0x80 + i);
            }
        }
        out += byte;
    }
    return out;
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const char16_t u = codePoint(static_cast<unsigned char>(c));
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

}  // namespace wendle
