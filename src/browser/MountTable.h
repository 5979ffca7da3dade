#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace wendle {

// The folders where file systems are mounted, as the kernel lists them for
// this process (/proc/self/mountinfo), read once when a search starts. The
// walk asks a folder's file system only where one is mounted, instead of
// asking at every folder.
class MountTable {
  public:
    // Nothing when the list cannot be read.
    static std::optional<MountTable> read(const char* mountInfoPath = "/proc/self/mountinfo");
    // From the text of a mountinfo file.
    static MountTable parse(std::string_view mountInfo);

    // Whether a file system is mounted on the folder `path` (a path without
    // links, as realpath gives it).
    bool isMountPoint(const std::string& path) const { return points_.count(path) != 0; }
    // Whether one is mounted anywhere strictly below `folder`.
    bool anyBelow(std::string_view folder) const;

  private:
    std::unordered_set<std::string> points_;
};

}  // namespace wendle
