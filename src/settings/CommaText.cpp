#include "settings/CommaText.h"

namespace wendle {

namespace {

bool needsQuotes(const std::string& item) {
    for (char c : item) {
        if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"')
            return true;
    }
    return false;
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string toCommaText(const std::vector<std::string>& items) {
    if (items.size() == 1 && items[0].empty())
        return "\"\"";
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            text += ',';
        if (!needsQuotes(items[i])) {
            text += items[i];
            continue;
        }
        text += '"';
        for (char c : items[i]) {
            if (c == '"')
                text += '"';
            text += c;
        }
        text += '"';
    }
    return text;
}

std::vector<std::string> fromCommaText(std::string_view text) {
    std::vector<std::string> items;
    if (text.empty())
        return items;
    std::size_t position = 0;
    for (;;) {
        while (position < text.size() && isBlank(text[position])) ++position;
        std::string item;
        if (position < text.size() && text[position] == '"') {
            ++position;
            while (position < text.size()) {
                char c = text[position++];
                if (c != '"') {
                    item += c;
                } else if (position < text.size() && text[position] == '"') {
                    item += '"';
                    ++position;
                } else {
                    break;
                }
            }
            // Anything after the closing quote up to the comma is kept, so
            // that nothing typed by hand silently disappears.
            std::size_t comma = text.find(',', position);
            std::string_view rest = text.substr(position, comma - position);
            while (!rest.empty() && isBlank(rest.back())) rest.remove_suffix(1);
            item += rest;
            position = comma == std::string_view::npos ? text.size() : comma;
        } else {
            std::size_t comma = text.find(',', position);
            std::string_view raw = text.substr(position, comma - position);
            while (!raw.empty() && isBlank(raw.back())) raw.remove_suffix(1);
            item = raw;
            position = comma == std::string_view::npos ? text.size() : comma;
        }
        items.push_back(std::move(item));
        if (position >= text.size())
            break;
        ++position;  // the comma
        if (position == text.size()) {
            items.emplace_back();  // a trailing comma ends with an empty item
            break;
        }
    }
    return items;
}

}  // namespace wendle
