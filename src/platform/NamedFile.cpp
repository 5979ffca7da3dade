#include "platform/NamedFile.h"

#include <sys/stat.h>

#include <vector>

#include "platform/Folders.h"
#include "platform/Windows1252.h"

namespace wendle::platform {

namespace {

std::vector<std::string_view> partsOf(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = path.find_first_of("/\\", start);
        const std::size_t stop = end == std::string_view::npos ? path.size() : end;
        if (stop > start)
            parts.push_back(path.substr(start, stop - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

}  // namespace

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> existingFile(std::string_view text) {
    if (text.empty() || text.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::string converted = windows1252ToUtf8(text);
    if (isRegularFile(converted))
        return converted;
    std::string raw(text);
    if (raw != converted && isRegularFile(raw))
        return raw;
    return std::nullopt;
}

std::optional<std::string> programFolderPath(std::string_view text) {
    const std::vector<std::string_view> parts = partsOf(text);
    std::size_t from = parts.size();
    for (std::size_t i = parts.size(); i-- > 0;) {
        if (parts[i] == kButtonImagesFolder || parts[i] == kSoundsFolder) {
            from = i;
            break;
        }
    }
    if (from + 1 >= parts.size())
        return std::nullopt;
    std::string relative;
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (parts[i] == "..")
            return std::nullopt;
        if (i > from)
            relative += '/';
        relative += parts[i];
    }
    const auto folder = utf8ToWindows1252(programFolder());
    if (!folder)
        return std::nullopt;
    return *folder + relative;
}

std::optional<NamedFile> findNamedFile(std::string_view text) {
    if (auto file = existingFile(text))
        return NamedFile{std::string(text), *file};
    if (auto moved = programFolderPath(text)) {
        if (auto file = existingFile(*moved))
            return NamedFile{*moved, *file};
    }
    return std::nullopt;
}

}  // namespace wendle::platform
