#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendle::web {

// The folder the export writes into, and nothing outside it. Each file is
// written to a hidden temporary file in the folder and renamed over its
// name, so a reader sees the old file or the new one, never half of one; a
// symbolic link of that name is replaced, never followed. Files are readable
// by everyone (0644), whatever the umask; other files are left alone.
class OutputFolder {
  public:
    explicit OutputFolder(std::string folder);

    // Makes the folder when it is missing (its parent must exist). The
    // system's reason when it cannot be made or is not a folder.
    std::optional<std::string> prepare() const;

    // name must be a plain file name. The reason on failure.
    std::optional<std::string> write(const std::string& name, std::string_view bytes) const;
    std::optional<std::string> copy(const std::string& source, const std::string& name) const;

    const std::string& path() const { return folder_; }

  private:
    std::string folder_;  // ends in "/"
};

}  // namespace wendle::web
