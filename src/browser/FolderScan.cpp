#include "browser/FolderScan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace wendle {

namespace {

FolderScan::Name keepName(FolderScan& scan, std::string_view name) {
    FolderScan::Name kept{static_cast<std::uint32_t>(scan.names.size()),
                          static_cast<std::uint32_t>(name.size())};
    scan.names.append(name);
    return kept;
}

FileFacts factsOf(const struct stat& info) {
    return FileFacts{static_cast<std::int64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec), info.st_mode};
}

}  // namespace

void FolderScan::clear() {
    names.clear();
    found.clear();
    subfolders.clear();
    unread.clear();
    listError = 0;
}

FolderScanner::FolderScanner(const ScanRules& rules) : rules_(rules) {
    if (!rules_.containingText.empty())
        contents_.emplace(rules_.containingText, rules_.caseSensitive);
}

void FolderScanner::scan(int fd, std::string_view folder, FolderScan& scan,
                         const std::atomic<bool>& stop) {
    scan.clear();
    DirectoryReader::Entry entry;
    while (!stop.load(std::memory_order_relaxed) && reader_.readBatch(fd)) {
        while (!stop.load(std::memory_order_relaxed) && reader_.next(entry))
            consider(fd, folder, entry, scan, stop);
    }
    if (!stop.load(std::memory_order_relaxed))
        scan.listError = reader_.error();
}

void FolderScanner::consider(int fd, std::string_view folder, const DirectoryReader::Entry& entry,
                             FolderScan& scan, const std::atomic<bool>& stop) {
    unsigned char type = entry.type;
    std::optional<FileFacts> facts;
    uid_t owner = 0;
    // Asked only when the listing does not tell enough: most finds of a name
    // walk never need it.
    const auto lookUp = [&]() {
        struct stat info;
        if (fstatat(fd, entry.name.data(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)  // gone since it was listed: nothing was missed
                scan.unread.push_back({keepName(scan, entry.name), errno});
            return false;
        }
        facts = factsOf(info);
        owner = info.st_uid;
        type = IFTODT(info.st_mode);
        return true;
    };
    if (type == DT_UNKNOWN && !lookUp())
        return;
    if (type == DT_DIR)
        scan.subfolders.push_back({keepName(scan, entry.name), entry.inode});

    if (!rules_.mask.matches(entry.name))
        return;
    if (!rules_.fileList.empty() &&
        !rules_.fileList.names(folder, entry.name, rules_.driveLetter, rules_.driveRoot))
        return;
    if (!contents_) {
        if (rules_.fileDetails && !facts && !lookUp())
            return;
        scan.found.push_back({keepName(scan, entry.name), type, facts});
        return;
    }
    // Only plain files are read: a link is never followed, and a device or a
    // pipe has no contents to search (and may never end).
    if (type != DT_REG || (!facts && !lookUp()) || !S_ISREG(facts->mode))
        return;
    if (static_cast<std::uint64_t>(facts->size) < contents_->text().size())
        return;
    const bool keepAccessTime = rules_.mayKeepAccessTime || owner == rules_.userId;
    const auto result = contents_->fileContains(
        fd, entry.name.data(), static_cast<std::uint64_t>(facts->size), keepAccessTime, stop);
    if (result.error != 0 && result.error != ENOENT)
        scan.unread.push_back({keepName(scan, entry.name), result.error});
    else if (result.found)
        scan.found.push_back({keepName(scan, entry.name), type, facts});
}

}  // namespace wendle
