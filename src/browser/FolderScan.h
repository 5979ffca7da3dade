#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/DirectoryReader.h"
#include "browser/FileContentSearch.h"
#include "browser/FileList.h"
#include "browser/FileMask.h"

namespace wendle {

// What a file's status says about it, for its search record.
struct FileFacts {
    std::int64_t size = 0;
    std::int64_t modified = 0;  // seconds since 1970-01-01 UTC
    mode_t mode = 0;
};

// One folder, read once: the entries to report, the subfolders to walk,
// and the entries that could not be looked at. Names are kept in one
// buffer; the lists refer to them by position.
struct FolderScan {
    struct Name {
        std::uint32_t at = 0;
        std::uint32_t length = 0;
    };
    struct Found {
        Name name;
        unsigned char type = 0;  // DT_* as the listing (or a status) gave it
        std::optional<FileFacts> facts;
    };
    struct Subfolder {
        Name name;
        ino_t inode = 0;  // as listed: what the folder opened later must be
    };
    struct Unread {
        Name name;
        int error = 0;
    };

    std::string names;
    std::vector<Found> found;
    std::vector<Subfolder> subfolders;
    std::vector<Unread> unread;  // entries that could not be examined or read
    int listError = 0;           // errno when the listing broke off

    std::string_view name(Name n) const { return std::string_view(names).substr(n.at, n.length); }
    void clear();
};

// The parts of a search definition that decide what a folder's scan keeps.
// Shared read-only by every thread that scans for one search.
struct ScanRules {
    ScanRules(const std::string& fileMask, const std::vector<std::string>& files, std::string text,
              bool caseSensitive, bool fileDetails)
        : mask(fileMask),
          fileList(files),
          containingText(std::move(text)),
          caseSensitive(caseSensitive),
          fileDetails(fileDetails) {}

    FileMask mask;
    FileList fileList;
    std::string containingText;  // empty: no content search
    bool caseSensitive = false;
    bool fileDetails = true;  // a status for every find
    char driveLetter = 'C';
    std::string driveRoot;
    uid_t userId = 0;
    bool mayKeepAccessTime = false;  // privileged: O_NOATIME on every file
};

// Scans folders for one thread: it owns the listing buffer and the content
// search's buffer, both reused for every folder and every file.
class FolderScanner {
  public:
    explicit FolderScanner(const ScanRules& rules);

    // Scans the open folder `fd` whose path is `folder` into `scan`. Ends
    // early once `stop` is set.
    void scan(int fd, std::string_view folder, FolderScan& scan, const std::atomic<bool>& stop);

  private:
    void consider(int fd, std::string_view folder, const DirectoryReader::Entry& entry,
                  FolderScan& scan, const std::atomic<bool>& stop);

    const ScanRules& rules_;
    DirectoryReader reader_;
    std::optional<FileContentSearch> contents_;
};

}  // namespace wendle
