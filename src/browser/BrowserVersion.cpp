#include "browser/BrowserVersion.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

namespace wendle {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The names under which a found program may be known: as found, as the
// file a link leads to, and - since /bin, /sbin and /lib are links into
// /usr - under the old name a package may still list it by.
std::vector<std::string> namesOf(const std::string& path) {
    std::vector<std::string> names{path};
    auto add = [&](const std::string& name) {
        for (const auto& known : names) {
            if (known == name)
                return;
        }
        names.push_back(name);
    };
    std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
    if (real)
        add(real.get());
    const std::size_t count = names.size();
    for (std::size_t i = 0; i < count; ++i) {
        for (const char* merged : {"/usr/bin/", "/usr/sbin/", "/usr/lib/"}) {
            const std::string prefix = merged;
            if (names[i].compare(0, prefix.size(), prefix) == 0)
                add(names[i].substr(4));
        }
    }
    return names;
}

}  // namespace

bool isExecutableFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return false;
    return S_ISREG(info.st_mode) && (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

std::optional<std::string> applicationIniVersion(const std::string& iniPath) {
    std::ifstream in(iniPath);
    if (!in)
        return std::nullopt;
    std::string line;
    bool inApp = false;
    while (std::getline(in, line)) {
        const std::string_view text = trimmed(line);
        if (!text.empty() && text.front() == '[') {
            inApp = text == "[App]";
            continue;
        }
        if (!inApp)
            continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos || trimmed(text.substr(0, equals)) != "Version")
            continue;
        const std::string_view value = trimmed(text.substr(equals + 1));
        if (!value.empty())
            return std::string(value);
    }
    return std::nullopt;
}

std::string browserVersion(const std::string& programPath, const PackageDatabase& packages) {
    const std::vector<std::string> names = namesOf(programPath);
    for (const auto& name : names) {
        if (auto version = packages.versionOwning(name))
            return *version;
    }
    for (const auto& name : names) {
        if (auto version = applicationIniVersion(folderOf(name) + "/application.ini"))
            return *version;
    }
    return {};
}

}  // namespace wendle
