#include "platform/RegistryFileFormat.h"

#include <cstdio>
#include <optional>

namespace wendle::platform {

namespace {

constexpr std::string_view kTextPrefix = "str:\"";
constexpr std::string_view kIntegerPrefix = "dword:";
constexpr std::string_view kBinaryPrefix = "hex:";

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

const char kHexDigits[] = "0123456789abcdef";

// Whether text begins with prefix, ignoring ASCII letter case as key paths do.
bool sameLetters(const std::string& text, const std::string& prefix) {
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = text[i], b = prefix[i];
        if (a >= 'A' && a <= 'Z')
            a = char(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z')
            b = char(b - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

// Finds the closing double quote of an escaped text that starts at `from`.
std::size_t closingQuote(std::string_view line, std::size_t from) {
    for (std::size_t i = from; i < line.size(); ++i) {
        if (line[i] == '\\') {
            ++i;
        } else if (line[i] == '"') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::optional<RegistryValue> parseData(std::string_view data) {
    if (data.starts_with(kTextPrefix)) {
        data.remove_prefix(kTextPrefix.size());
        if (data.empty() || data.back() != '"')
            return std::nullopt;
        data.remove_suffix(1);
        std::string text;
        if (!RegistryFileFormat::unescape(data, text))
            return std::nullopt;
        return RegistryValue::text(std::move(text));
    }
    if (data.starts_with(kIntegerPrefix)) {
        data.remove_prefix(kIntegerPrefix.size());
        if (data.size() != 8)
            return std::nullopt;
        std::uint32_t value = 0;
        for (char c : data) {
            int digit = hexDigit(c);
            if (digit < 0)
                return std::nullopt;
            value = (value << 4) | static_cast<std::uint32_t>(digit);
        }
        return RegistryValue::integer(value);
    }
    if (data.starts_with(kBinaryPrefix)) {
        data.remove_prefix(kBinaryPrefix.size());
        std::vector<std::uint8_t> bytes;
        // "hh,hh,...,hh" or nothing at all.
        if (!data.empty() && (data.size() + 1) % 3 != 0)
            return std::nullopt;
        for (std::size_t i = 0; i < data.size(); i += 3) {
            int high = hexDigit(data[i]);
            int low = hexDigit(data[i + 1]);
            if (high < 0 || low < 0)
                return std::nullopt;
            if (i + 2 < data.size() && data[i + 2] != ',')
                return std::nullopt;
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
        }
        return RegistryValue::binary(std::move(bytes));
    }
    return std::nullopt;
}

bool parseValueLine(std::string_view line, std::string& name, std::optional<RegistryValue>& value);

// The complete bytes of a binary value line that was cut short.
std::optional<RegistryValue> salvageCutBinary(std::string_view line, std::string& name) {
    const std::size_t marker = line.find(std::string("=") + std::string(kBinaryPrefix));
    if (marker == std::string_view::npos)
        return std::nullopt;
    std::string_view data = line.substr(marker + 1 + kBinaryPrefix.size());
    const std::string_view head = line.substr(0, marker);
    std::string complete = std::string(head) + "=" + std::string(kBinaryPrefix);
    // Whole "hh" pairs only; a half pair at the cut is dropped.
    const std::size_t pairs = (data.size() + 1) / 3;
    complete += data.substr(0, pairs == 0 ? 0 : pairs * 3 - 1);
    std::optional<RegistryValue> value;
    if (!parseValueLine(complete, name, value))
        return std::nullopt;
    return value;
}

// A key line: "[" escaped path "]" with nothing after it.
std::optional<std::string> parseKeyLine(std::string_view line) {
    if (line.size() < 2 || line.back() != ']')
        return std::nullopt;
    std::string path;
    if (!RegistryFileFormat::unescape(line.substr(1, line.size() - 2), path))
        return std::nullopt;
    path = RegistryTree::normalizedPath(path);
    if (path.empty())
        return std::nullopt;
    return path;
}

// A value line: "name"=data or @=data.
bool parseValueLine(std::string_view line, std::string& name, std::optional<RegistryValue>& value) {
    std::size_t dataStart = 0;
    if (line.starts_with("@=")) {
        name.clear();
        dataStart = 2;
    } else {
        std::size_t end = closingQuote(line, 1);
        if (end == std::string_view::npos || end + 1 >= line.size() || line[end + 1] != '=') {
            return false;
        }
        if (!RegistryFileFormat::unescape(line.substr(1, end - 1), name))
            return false;
        dataStart = end + 2;
    }
    value = parseData(line.substr(dataStart));
    return value.has_value();
}

// True when the key has sub-keys and each of them spells the key's path
// exactly as the key does.
bool impliedBySubKeys(const RegistryTree& tree, const std::string& path) {
    const std::string prefix = path.empty() ? std::string() : path + "\\";
    bool any = false;
    for (const RegistryTree::Key* other : tree.keys()) {
        if (other->path.size() <= prefix.size() || !sameLetters(other->path, prefix))
            continue;
        if (other->path.compare(0, prefix.size(), prefix) != 0)
            return false;
        any = true;
    }
    return any;
}

}  // namespace

std::string RegistryFileFormat::escape(std::string_view raw) {
    std::string result;
    result.reserve(raw.size());
    for (char c : raw) {
        auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                result += "\\\\";
                break;
            case '"':
                result += "\\\"";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\t':
                result += "\\t";
                break;
            default:
                if (byte < 0x20 || byte == 0x7f) {
                    result += "\\x";
                    result += kHexDigits[byte >> 4];
                    result += kHexDigits[byte & 15];
                } else {
                    result += c;
                }
        }
    }
    return result;
}

bool RegistryFileFormat::unescape(std::string_view escaped, std::string& raw) {
    raw.clear();
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        char c = escaped[i];
        if (c == '"')
            return false;
        if (c != '\\') {
            raw += c;
            continue;
        }
        if (++i >= escaped.size())
            return false;
        switch (escaped[i]) {
            case '\\':
                raw += '\\';
                break;
            case '"':
                raw += '"';
                break;
            case 'n':
                raw += '\n';
                break;
            case 'r':
                raw += '\r';
                break;
            case 't':
                raw += '\t';
                break;
            case 'x': {
                if (i + 2 >= escaped.size())
                    return false;
                int high = hexDigit(escaped[i + 1]);
                int low = hexDigit(escaped[i + 2]);
                if (high < 0 || low < 0)
                    return false;
                raw += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return false;
        }
    }
    return true;
}

RegistryFileFormat::ParseResult RegistryFileFormat::parse(std::string_view text) {
    ParseResult result;
    std::optional<std::string> currentKey;
    bool first = true;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);

        if (first) {
            first = false;
            if (line != kHeader)
                return result;
            result.recognised = true;
            continue;
        }
        if (line.empty() || line.starts_with(';'))
            continue;
        if (line.starts_with('[')) {
            currentKey = parseKeyLine(line);
            if (currentKey) {
                result.tree.createKey(*currentKey);
            } else {
                ++result.skippedLines;
            }
            continue;
        }
        std::string name;
        std::optional<RegistryValue> value;
        if (!currentKey || (!line.starts_with('"') && !line.starts_with('@')) ||
            !parseValueLine(line, name, value)) {
            ++result.skippedLines;
            // A file cut inside its last value: the bytes stored whole are
            // kept, so a list can keep its complete entries. The file still
            // counts as damaged and is kept aside.
            if (currentKey && end == std::string_view::npos)
                if (auto cut = salvageCutBinary(line, name))
                    result.tree.writeValue(*currentKey, name, std::move(*cut));
            continue;
        }
        result.tree.writeValue(*currentKey, name, std::move(*value));
    }
    return result;
}

std::string RegistryFileFormat::serialize(const RegistryTree& tree) {
    std::string text(kHeader);
    text += "\n";
    for (const RegistryTree::Key* entry : tree.keys()) {
        const RegistryTree::Key& key = *entry;
        // A key that only leads to sub-keys is implied by them, unless one
        // of them spells it otherwise: reading would then take that spelling.
        if (key.values.empty() && impliedBySubKeys(tree, key.path))
            continue;
        text += "\n[" + escape(key.path) + "]\n";
        for (const auto& [name, value] : key.values) {
            text += name.empty() ? std::string("@=") : "\"" + escape(name) + "\"=";
            switch (value.type()) {
                case RegistryValue::Type::Text:
                    text += std::string(kTextPrefix) + escape(value.asText()) + "\"";
                    break;
                case RegistryValue::Type::Integer: {
                    char digits[9];
                    std::snprintf(digits, sizeof digits, "%08x", value.asInteger());
                    text += std::string(kIntegerPrefix) + digits;
                    break;
                }
                case RegistryValue::Type::Binary: {
                    text += kBinaryPrefix;
                    const auto& bytes = value.asBinary();
                    for (std::size_t i = 0; i < bytes.size(); ++i) {
                        if (i)
                            text += ',';
                        text += kHexDigits[bytes[i] >> 4];
                        text += kHexDigits[bytes[i] & 15];
                    }
                    break;
                }
            }
            text += "\n";
        }
    }
    return text;
}

}  // namespace wendle::platform
