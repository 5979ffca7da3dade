#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace wendle {

// Where the search's drive-letter paths land on this platform: the one place
// that maps them.
//
// A search names drives by letter ("C") and folders the way its users
// write them: "C:\Program Files", "\Program Files", "Program Files". Here a
// drive letter stands for a folder, its root; by default only "C" exists and
// its root is the root of the file system tree, "/". Mapping:
//
// - A folder entry without a drive ("\usr\share", "usr/share", "/usr/share")
//   is a path below the root of the drive being searched: root + "/usr/share".
//   An entry that begins with a separator is always such a path, even when
//   it holds a ":" (a legal character in names here).
// - An entry "X:" + path belongs to drive X only ("C:\usr" -> "/usr" in C's
//   pass); any other entry with a ":" is no folder and is never searched.
// - "\" and "/" are both separators; "." parts and empty parts are dropped,
//   ".." goes up one folder but never above the drive's root.
// - Reported folders are plain paths of this platform without a trailing
//   separator ("/usr/bin"); the root of the tree is reported as "/". Use
//   pathInFolder() to join a reported folder and a name.
// - A "Files" entry is compared, ignoring case, after turning "\" into "/"
//   and dropping its leading separators; see FileList.
class DriveMap {
  public:
    // "C" is the root of the file system tree, and no other drive exists.
    DriveMap();

    // Makes `letter` (A to Z, either case) a drive whose root is `folder`,
    // or no drive when `folder` is empty. Other letters are ignored.
    void setRoot(char letter, std::string folder);
    // The root folder of a drive, empty when there is no such drive.
    const std::string& root(char letter) const;
    // The letters that are drives, from A to Z.
    std::string letters() const;

    // The folder that a `Directories` entry names in the pass of drive
    // `letter`, or nothing when the entry is not searched in that pass.
    std::optional<std::string> folderFor(char letter, std::string_view entry) const;
    // The root of drive `letter` itself (a search of the whole drive).
    std::optional<std::string> driveFolder(char letter) const;

  private:
    std::array<std::string, 26> roots_;
};

// Joins a reported folder and a name: pathInFolder("/usr/bin", "x") is
// "/usr/bin/x" and pathInFolder("/", "x") is "/x".
std::string pathInFolder(std::string_view folder, std::string_view name);

// `root` followed by the parts of `relative` (separators "\" or "/"), with
// "." and empty parts dropped and ".." never climbing above `root`.
std::string joinBelowRoot(std::string_view root, std::string_view relative);

}  // namespace wendle
