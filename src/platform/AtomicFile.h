#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/IoResult.h"

namespace wendle::platform {

// Replaces the file at `path` with `contents` so that readers see either the
// old file or the whole new one, never a mix: the bytes go to a temporary
// file in the same folder, are flushed to disk and renamed over the target,
// then the folder itself is flushed. On any failure the temporary file is
// removed, the previous file stays untouched and the failure is returned.
// A new file gets `newFileMode`; a replaced file keeps its permissions.
IoResult writeFileAtomically(const std::string& path, std::string_view contents,
                             unsigned newFileMode = 0600);

struct FileReadResult {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    std::string contents;
    IoResult failure;  // set when status is Failed
};

// Reads a whole file, refusing files larger than `sizeLimit` bytes (a file
// that large is not one of ours and is reported as Failed).
FileReadResult readWholeFile(const std::string& path, std::size_t sizeLimit);

// Creates `folder` and any missing parents (like mkdir -p).
IoResult makeFolders(const std::string& folder, unsigned mode = 0700);

// The folder part of a path, without its last separator ("." for a bare name).
std::string folderOf(const std::string& path);

}  // namespace wendle::platform
