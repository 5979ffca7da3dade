#include "editor/Encoding.h"

#include <array>

namespace wendle {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1
// control of the same value, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString toQString(const std::string& text) {
    QString out;
    out.reserve(qsizetype(text.size()));
    for (unsigned char byte : text) {
        if (byte >= 0x80 && byte <= 0x9F) {
            out += QChar(kHighControls[byte - 0x80]);
        } else {
            out += QChar(byte);
        }
    }
    return out;
}

std::string fromQString(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            out += char(code);
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == code) {
                mapped = char(0x80 + i);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

}  // namespace wendle
