#include "browser/PackageDatabase.h"

#include <dirent.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace wendle {

namespace {

constexpr std::string_view kListSuffix = ".list";

std::optional<std::string> wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whether `text`, a list of lines, holds `line` as one whole line.
bool holdsLine(std::string_view text, std::string_view line) {
    std::size_t at = 0;
    while ((at = text.find(line, at)) != std::string_view::npos) {
        const bool startsLine = at == 0 || text[at - 1] == '\n';
        const std::size_t end = at + line.size();
        const bool endsLine = end == text.size() || text[end] == '\n';
        if (startsLine && endsLine)
            return true;
        ++at;
    }
    return false;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// One stanza's fields of interest.
struct Stanza {
    std::string_view package, architecture, status, version;
};

bool isInstalled(const Stanza& stanza) {
    const std::string_view installed = " installed";
    return stanza.status.size() >= installed.size() &&
           stanza.status.substr(stanza.status.size() - installed.size()) == installed;
}

}  // namespace

PackageDatabase::PackageDatabase(std::string folder) : folder_(std::move(folder)) {}

std::optional<std::string> PackageDatabase::owningPackage(std::string_view path) const {
    if (path.empty() || path.find('\n') != std::string_view::npos)
        return std::nullopt;
    const std::string infoFolder = folder_ + "/info";
    std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(infoFolder.c_str()), &closedir);
    if (!folder)
        return std::nullopt;
    while (const dirent* entry = readdir(folder.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() <= kListSuffix.size() ||
            name.substr(name.size() - kListSuffix.size()) != kListSuffix) {
            continue;
        }
        const auto list = wholeFile(infoFolder + "/" + std::string(name));
        if (list && holdsLine(*list, path)) {
            return std::string(name.substr(0, name.size() - kListSuffix.size()));
        }
    }
    return std::nullopt;
}

std::optional<std::string> PackageDatabase::installedVersion(std::string_view package) const {
    std::string_view name = package, architecture;
    if (const std::size_t colon = package.find(':'); colon != std::string_view::npos) {
        name = package.substr(0, colon);
        architecture = package.substr(colon + 1);
    }
    const auto status = wholeFile(folder_ + "/status");
    if (!status || name.empty())
        return std::nullopt;

    const std::string_view text = *status;
    Stanza stanza;
    auto matches = [&] {
        return stanza.package == name &&
               (architecture.empty() || stanza.architecture == architecture) &&
               isInstalled(stanza) && !stanza.version.empty();
    };
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (trimmed(line).empty()) {
            if (matches())
                return std::string(stanza.version);
            stanza = Stanza();
            continue;
        }
        if (line.front() == ' ' || line.front() == '\t')
            continue;  // a field's continuation
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view field = line.substr(0, colon);
        const std::string_view value = trimmed(line.substr(colon + 1));
        if (field == "Package")
            stanza.package = value;
        else if (field == "Architecture")
            stanza.architecture = value;
        else if (field == "Status")
            stanza.status = value;
        else if (field == "Version")
            stanza.version = value;
    }
    if (matches())
        return std::string(stanza.version);
    return std::nullopt;
}

std::optional<std::string> PackageDatabase::versionOwning(std::string_view path) const {
    const auto package = owningPackage(path);
    if (!package)
        return std::nullopt;
    return installedVersion(*package);
}

}  // namespace wendle
