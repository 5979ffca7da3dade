#include "browser/FileMask.h"

#include <algorithm>

namespace wendle {

std::string asciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = asciiLower(c);
    return lowered;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(asciiLower(x)) <
               static_cast<unsigned char>(asciiLower(y));
    });
}

FileMask::FileMask(std::string_view pattern) {
    if (pattern == "*.*")
        pattern = "*";
    if (pattern.size() > 1 && pattern.back() == '.') {
        onlyWithoutDot_ = true;
        pattern.remove_suffix(1);
    }
    pattern_ = asciiLowered(pattern);

    const auto wildcards = std::count_if(pattern_.begin(), pattern_.end(),
                                         [](char c) { return c == '*' || c == '?'; });
    if (pattern_ == "*") {
        kind_ = Kind::everything;
    } else if (wildcards == 0) {
        kind_ = Kind::exact;
    } else if (wildcards == 1 && pattern_.front() == '*') {
        kind_ = Kind::suffix;
    } else {
        kind_ = Kind::general;
    }
}

bool FileMask::matches(std::string_view name) const {
    if (onlyWithoutDot_ && name.find('.') != std::string_view::npos)
        return false;
    switch (kind_) {
        case Kind::everything:
            return true;
        case Kind::exact:
            return equalsIgnoringCase(name, pattern_);
        case Kind::suffix: {
            const std::string_view tail = std::string_view(pattern_).substr(1);
            return name.size() >= tail.size() &&
                   equalsIgnoringCase(name.substr(name.size() - tail.size()), tail);
        }
        case Kind::general:
            break;
    }
    return matchesGeneral(name);
}

// Greedy match with one back-up point: on a mismatch after a "*", that star
// takes one more character. Linear in practice, never exponential.
bool FileMask::matchesGeneral(std::string_view name) const {
    std::size_t p = 0, n = 0;
    std::size_t starAt = std::string::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern_.size() && (pattern_[p] == '?' || pattern_[p] == asciiLower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern_.size() && pattern_[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern_.size() && pattern_[p] == '*') ++p;
    return p == pattern_.size();
}

}  // namespace wendle
