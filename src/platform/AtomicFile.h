#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/IoResult.h"

namespace wendle::platform {

// The reason given when a save or a read meets something that is not a
// plain file (a named pipe, a device, a socket).
inline constexpr const char* kNotRegularFile = "Not a regular file";

// Replaces the file at `path` with `contents` so that, at every moment, the
// path holds either the complete old file or the complete new one.
//
// The bytes go to a hidden temporary file in the same folder, which is
// flushed to the disk and renamed over the target; the folder is flushed
// afterwards so the rename itself survives a power cut.
//
// - A symbolic link is followed and the file it names is written, so a link
//   stays a link; a link whose file does not exist yet has that file
//   created, as a text editor does.
// - A replaced file keeps its permission bits (and its owner, where that is
//   allowed); a new file gets `newFileMode` less the umask.
// - A write-protected file is refused, even in a writable folder where the
//   rename alone would succeed; so is a folder or anything but a plain file.
// - A file-size limit makes the write fail with EFBIG like any other write
//   error, instead of ending the process (SIGXFSZ is ignored).
//
// On any failure the target is untouched, the temporary file is removed and
// the failure names `path` with the system's text.
IoResult writeFileAtomically(const std::string& path, std::string_view contents,
                             unsigned newFileMode = 0600);

// After this call a write beyond the process's file-size limit fails with
// EFBIG instead of killing the process with SIGXFSZ. A handler the program
// installed itself is left in place.
void ignoreFileSizeSignal();

struct FileReadResult {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    std::string contents;
    IoResult failure;  // set when status is Failed
};

// Reads a whole file, refusing files larger than `sizeLimit` bytes (a file
// that large is not one of ours and is reported as Failed). The file is
// opened without blocking and must be a regular file: a named pipe or a
// device put in its place is Failed at once instead of hanging the reader.
FileReadResult readWholeFile(const std::string& path, std::size_t sizeLimit);

// Creates `folder` and any missing parents (like mkdir -p).
IoResult makeFolders(const std::string& folder, unsigned mode = 0700);

// The folder part of a path, without its last separator ("." for a bare name).
std::string folderOf(const std::string& path);

}  // namespace wendle::platform
