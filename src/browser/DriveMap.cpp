#include "browser/DriveMap.h"

#include <vector>

namespace wendle {

namespace {

int driveIndex(char letter) {
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a';
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A';
    return -1;
}

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string withoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

DriveMap::DriveMap() {
    roots_['C' - 'A'].assign(1, '/');
}

void DriveMap::setRoot(char letter, std::string folder) {
    const int index = driveIndex(letter);
    if (index < 0)
        return;
    roots_[index] = folder.empty() ? std::string() : withoutTrailingSeparators(std::move(folder));
}

const std::string& DriveMap::root(char letter) const {
    static const std::string none;
    const int index = driveIndex(letter);
    return index < 0 ? none : roots_[index];
}

std::string DriveMap::letters() const {
    std::string result;
    for (int i = 0; i < 26; ++i) {
        if (!roots_[i].empty())
            result += static_cast<char>('A' + i);
    }
    return result;
}

std::optional<std::string> DriveMap::driveFolder(char letter) const {
    const std::string& base = root(letter);
    if (base.empty())
        return std::nullopt;
    return base;
}

std::optional<std::string> DriveMap::folderFor(char letter, std::string_view entry) const {
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos || (!entry.empty() && isSeparator(entry[0]))) {
        const std::string& base = root(letter);
        if (base.empty())
            return std::nullopt;
        return joinBelowRoot(base, entry);
    }
    if (colon != 1)
        return std::nullopt;
    if (driveIndex(entry[0]) < 0 || driveIndex(entry[0]) != driveIndex(letter))
        return std::nullopt;
    const std::string& base = root(letter);
    if (base.empty())
        return std::nullopt;
    return joinBelowRoot(base, entry.substr(2));
}

std::string joinBelowRoot(std::string_view root, std::string_view relative) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < relative.size()) {
        while (i < relative.size() && isSeparator(relative[i])) ++i;
        std::size_t end = i;
        while (end < relative.size() && !isSeparator(relative[end])) ++end;
        const std::string_view part = relative.substr(i, end - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = end;
    }
    std::string path = withoutTrailingSeparators(std::string(root));
    for (std::string_view part : parts) {
        if (path != "/")
            path += '/';
        path += part;
    }
    return path;
}

std::string pathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

}  // namespace wendle
