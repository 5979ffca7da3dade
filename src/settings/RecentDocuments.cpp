#include "settings/RecentDocuments.h"

#include <algorithm>
#include <cstdio>

namespace wendle {

namespace {

char folded(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return parts;
}

}  // namespace

bool RecentDocumentList::samePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

void RecentDocumentList::add(const std::string& path) {
    if (path.empty())
        return;
    std::erase_if(paths_, [&](const std::string& entry) { return samePath(entry, path); });
    paths_.insert(paths_.begin(), path);
}

void RecentDocumentList::assign(const std::vector<std::string>& paths) {
    paths_.clear();
    for (const std::string& path : paths) {
        if (path.empty())
            continue;
        bool known = std::any_of(paths_.begin(), paths_.end(),
                                 [&](const std::string& entry) { return samePath(entry, path); });
        if (!known)
            paths_.push_back(path);
    }
}

void RecentDocumentList::removeMissing(const std::function<bool(const std::string&)>& exists) {
    std::erase_if(paths_, [&](const std::string& entry) { return !exists(entry); });
}

std::vector<std::string> RecentDocumentList::newest(int count) const {
    if (count <= 0)
        return {};
    const auto shown = std::min(paths_.size(), static_cast<std::size_t>(count));
    return std::vector<std::string>(paths_.begin(), paths_.begin() + static_cast<long>(shown));
}

std::string RecentDocumentList::caption(int position, const std::string& displayText) {
    std::string shown;
    for (char c : displayText) {
        if (c == '&')
            shown += '&';
        shown += c;
    }
    char number[16];
    std::snprintf(number, sizeof number, "&%d ", position);
    return number + shown;
}

std::string RecentDocumentList::fileNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RecentDocumentList::abbreviated(const std::string& path, int maxWidth,
                                            const TextWidth& width) {
    if (!width || width(path) <= maxWidth)
        return path;
    const std::vector<std::string> parts = splitPath(path);
    const std::string& name = parts.back();
    // Keep the first part (the root, or the first folder of a relative
    // path) and as many of the last folders as fit.
    if (parts.size() > 2) {
        for (std::size_t kept = parts.size() - 2; kept-- > 0;) {
            std::string candidate = parts.front() + "/...";
            for (std::size_t i = parts.size() - 1 - kept; i < parts.size(); ++i) {
                candidate += "/" + parts[i];
            }
            if (width(candidate) <= maxWidth)
                return candidate;
        }
    }
    std::string shortest = ".../" + name;
    return width(shortest) <= maxWidth ? shortest : name;
}

std::string RecentDocumentList::displayText(const std::string& path, TPMRUDisplay display,
                                            int maxWidth, const TextWidth& width) {
    switch (display) {
        case TPMRUDisplay::pmdFileOnly:
            return fileNameOf(path);
        case TPMRUDisplay::pmdFullPath:
            return path;
        case TPMRUDisplay::pmdAbbPath:
            return abbreviated(path, maxWidth, width);
    }
    return path;
}

}  // namespace wendle
