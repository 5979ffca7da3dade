#include "platform/FileUrl.h"

namespace wendle::platform {

namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string fileUrl(std::string_view absolutePath, std::string_view fragment) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (char c : absolutePath) {
        auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte) || c == '/') {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 15];
        }
    }
    if (!fragment.empty()) {
        url += '#';
        url += fragment;
    }
    return url;
}

std::string percentDecoded(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            result += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string pathOfFileUrl(std::string_view url) {
    constexpr std::string_view kScheme = "file://";
    if (!url.starts_with(kScheme))
        return {};
    url.remove_prefix(kScheme.size());
    if (url.starts_with("localhost/"))
        url.remove_prefix(9);
    if (!url.starts_with('/'))
        return {};
    if (auto hash = url.find('#'); hash != std::string_view::npos)
        url = url.substr(0, hash);
    return percentDecoded(url);
}

}  // namespace wendle::platform
