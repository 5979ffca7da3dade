#include "render/Windows1252.h"

namespace wendle {

QString fromWindows1252(std::string_view text) {
    QString out;
    out.reserve(qsizetype(text.size()));
    for (char c : text)
        out.append(QChar(platform::windows1252CodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::string toWindows1252(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        // A character beyond the basic plane is one "?", not two.
        if (ch.isLowSurrogate())
            continue;
        const auto byte =
            ch.isHighSurrogate() ? std::nullopt : platform::windows1252Byte(ch.unicode());
        out += byte ? char(*byte) : '?';
    }
    return out;
}

}  // namespace wendle
