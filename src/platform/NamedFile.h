#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendle::platform {

// Turning the names and paths a document stores (Windows-1252 text, written
// on whichever computer made the document) into files of this one. Picture
// loading and publishing both go through here, so a name finds the same
// file wherever it is used.

// The folders of ready-made content that lie beside the program.
inline constexpr const char* kButtonImagesFolder = "Button Images";
inline constexpr const char* kSoundsFolder = "Sounds";

// True for a regular file, or a link to one.
bool isRegularFile(const std::string& path);

// The file a stored text names as it stands: its UTF-8 form first, then its
// bytes as they are. None when neither is a regular file.
std::optional<std::string> existingFile(std::string_view text);

// Where a stored path lies in this program's own folders: when one of its
// folders is "Button Images" or "Sounds" (separated by "/" or "\"), the
// part from that folder on, under programFolder(). A relative path such as
// "Button Images/arrow.gif" thus names ready-made content wherever the
// program lies. None for any other path, and for one that would climb out
// of the folder with "..".
std::optional<std::string> programFolderPath(std::string_view text);

struct NamedFile {
    std::string text;  // the stored form of where it was found
    std::string file;  // the file as the file system names it
};

// The file a stored path names: as it stands, or else (for ready-made
// content that moved with the program) in this program's own folders.
std::optional<NamedFile> findNamedFile(std::string_view text);

}  // namespace wendle::platform
