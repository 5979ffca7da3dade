#include "browser/MountTable.h"

#include <fstream>
#include <iterator>

namespace wendle {

namespace {

// Mount points are written with blanks, tabs, new lines and backslashes as
// three octal digits after a backslash.
std::string unescaped(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const auto digit = [&](std::size_t at) { return field[at] >= '0' && field[at] <= '7'; };
            if (digit(i + 1) && digit(i + 2) && digit(i + 3)) {
                text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                          (field[i + 3] - '0'));
                i += 3;
                continue;
            }
        }
        text += field[i];
    }
    return text;
}

}  // namespace

std::optional<MountTable> MountTable::read(const char* mountInfoPath) {
    std::ifstream in(mountInfoPath, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.empty())
        return std::nullopt;
    return parse(text);
}

MountTable MountTable::parse(std::string_view mountInfo) {
    MountTable table;
    std::size_t at = 0;
    while (at < mountInfo.size()) {
        std::size_t end = mountInfo.find('\n', at);
        if (end == std::string_view::npos)
            end = mountInfo.size();
        std::string_view line = mountInfo.substr(at, end - at);
        at = end + 1;
        // id parent major:minor root mount-point ...: the fifth field.
        for (int field = 0; field < 4 && !line.empty(); ++field) {
            const std::size_t blank = line.find(' ');
            line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        }
        const std::string_view point = line.substr(0, line.find(' '));
        if (!point.empty() && point.front() == '/')
            table.points_.insert(unescaped(point));
    }
    return table;
}

bool MountTable::anyBelow(std::string_view folder) const {
    std::string prefix(folder);
    if (prefix.empty() || prefix.back() != '/')
        prefix += '/';
    for (const std::string& point : points_) {
        if (point.size() > prefix.size() && point.compare(0, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

}  // namespace wendle
