#include "web/HtmlText.h"

namespace wendle::web {

namespace {

bool isAsciiAlphanumeric(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

}  // namespace

std::string escapeHtml(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string urlForFileName(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : utf8) {
        if (isAsciiAlphanumeric(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

std::string webName(std::string_view documentPath) {
    std::string_view file = documentPath;
    if (const auto slash = file.find_last_of("/\\"); slash != std::string_view::npos)
        file.remove_prefix(slash + 1);
    if (const auto dot = file.rfind('.'); dot != std::string_view::npos && dot > 0)
        file = file.substr(0, dot);
    std::string name;
    bool gap = false;
    for (const char c : file) {
        if (isAsciiAlphanumeric(c)) {
            if (gap && !name.empty())
                name += '-';
            gap = false;
            name += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        } else {
            gap = true;
        }
    }
    return name.empty() ? "wendle-bar" : name;
}

std::string singleLine(std::string_view text) {
    std::string out;
    bool gap = false;
    for (const char c : text) {
        if (isBlank(c)) {
            gap = true;
            continue;
        }
        if (gap && !out.empty())
            out += ' ';
        gap = false;
        out += c;
    }
    return out;
}

}  // namespace wendle::web
