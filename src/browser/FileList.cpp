#include "browser/FileList.h"

#include "browser/DriveMap.h"
#include "browser/FileMask.h"

namespace wendle {

namespace {

std::string normalisedEntry(std::string_view entry) {
    std::string result(entry);
    for (char& c : result) {
        if (c == '\\')
            c = '/';
    }
    const std::size_t first = result.find_first_not_of('/');
    return first == std::string::npos ? std::string() : result.substr(first);
}

std::string_view withoutLeadingSlashes(std::string_view path) {
    const std::size_t first = path.find_first_not_of('/');
    return first == std::string_view::npos ? std::string_view() : path.substr(first);
}

}  // namespace

FileList::FileList(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        std::string normalised = normalisedEntry(entry);
        if (!normalised.empty())
            entries_.push_back(std::move(normalised));
    }
}

bool FileList::holds(std::string_view candidate) const {
    for (const std::string& entry : entries_) {
        if (equalsIgnoringCase(entry, candidate))
            return true;
    }
    return false;
}

bool FileList::names(std::string_view folder, std::string_view name, char driveLetter,
                     std::string_view driveRoot) const {
    if (holds(name))
        return true;

    const std::string fullPath = pathInFolder(folder, name);
    if (holds(withoutLeadingSlashes(fullPath)))
        return true;

    // The path below the drive's root: what is left of the full path once
    // the root is taken off, the way "C:\" is taken off on a lettered drive.
    std::string_view belowRoot = fullPath;
    const std::string_view root = driveRoot == "/" ? std::string_view() : driveRoot;
    if (belowRoot.substr(0, root.size()) == root &&
        (belowRoot.size() == root.size() || belowRoot[root.size()] == '/')) {
        belowRoot.remove_prefix(root.size());
    }
    belowRoot = withoutLeadingSlashes(belowRoot);
    if (holds(belowRoot))
        return true;

    std::string withDrive;
    withDrive += driveLetter;
    withDrive += ":/";
    withDrive += belowRoot;
    return holds(withDrive);
}

}  // namespace wendle
