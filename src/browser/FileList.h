#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wendle {

// The `Files` restriction of a search: when it holds entries, a find is
// reported only when one of them names it, ignoring case. An entry may be
// a bare name ("app.exe"), a path below the drive's root
// ("\Program Files\App\app.exe"), a full path of this platform
// ("/opt/app/app"), or a path with its drive ("C:\opt\app\app"). Entries
// are kept with "\" turned into "/", without leading separators; empty
// entries are dropped.
class FileList {
  public:
    FileList() = default;
    explicit FileList(const std::vector<std::string>& entries);

    bool empty() const { return entries_.empty(); }

    // Whether the list names the entry `name` in `folder` (a reported
    // folder), found on drive `driveLetter` whose root is `driveRoot`.
    bool names(std::string_view folder, std::string_view name, char driveLetter,
               std::string_view driveRoot) const;

    const std::vector<std::string>& entries() const { return entries_; }

  private:
    bool holds(std::string_view candidate) const;

    std::vector<std::string> entries_;
};

}  // namespace wendle
