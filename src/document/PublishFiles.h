#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendle::document {

// The file operations behind the working folders. Copies and deletions are
// quiet by design: a file that cannot be copied or removed simply stays
// missing or stays there, and the user sees the result in the folder.

// Whether a name may become a file of a working folder: not empty, no folder
// parts ("/" or "\"), not "." or "..", no NUL byte. Anything else could
// reach outside the folder, so it is never copied to or deleted from one.
bool isPlainFileName(std::string_view name);

// The applet keeps its texts as Windows-1252 bytes; the file system here
// names files in UTF-8 (the platform's one table).
std::string fileSystemName(std::string_view text);

// The regular file that an applet path names, if there is one: as it
// stands (its UTF-8 form first, then its bytes as they are), or else, for
// a path into "Button Images" or "Sounds", in the program's own folders.
std::optional<std::string> existingFile(const std::string& text);

bool isFile(const std::string& path);  // a regular file (or a link to one)
bool isFolder(const std::string& path);

// Copies source to target unless target already exists; never replaces a
// file. Only a regular file is copied, and a copy that fails half-way is
// removed again, so a broken copy never stands in for the real file. The
// copy is readable by everyone (0644): it is meant for a web server.
// Returns whether a copy was made.
bool copyFileIfAbsent(const std::string& source, const std::string& target);

// What a file named by an applet is for; publishing copies it only when
// its contents say it is one.
enum class FileRole {
    Picture,  // a GIF or JPEG picture
    Sound,    // a sound with the .snd header
};

enum class CopyOutcome {
    Copied,
    NotCopied,     // missing, not a plain file, target already there, or failed
    WrongContent,  // the file is not what its role needs: nothing was written
};

// copyFileIfAbsent for a file of the applet: the first bytes of the source
// must be the signature of its role, so a document cannot make the program
// publish any file of the user's (a private key named as a sound).
CopyOutcome copyFileForRole(const std::string& source, const std::string& target, FileRole role);

// Whether the plain file at path begins as its role needs (see FileRole).
// A file that cannot be read, or is not a plain file, does not fit.
bool fileFitsRole(const std::string& path, FileRole role);

// Removes folder + the file-system form of name, when name is a plain file
// name and something of that name is there. Failures are ignored.
void deleteCopy(const std::string& folder, const std::string& name);

// Creates one folder (its parent must exist). None when it was made or is
// already a folder; otherwise the system's text, "<folder>: <reason>".
std::optional<std::string> createFolder(const std::string& folder);

}  // namespace wendle::document
