#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendle::document {

// Replaces the file at path by these bytes so that, at every moment, the
// path holds either the complete old file or the complete new one.
//
// The bytes go to a hidden temporary file in the same folder, which is
// flushed to the disk and then renamed over the target; the folder is synced
// afterwards so the rename itself survives a power cut. The new file keeps
// the old one's permission bits (and owner, where allowed); a new file gets
// the usual bits allowed by the umask. A symbolic link is followed and the
// file it names is replaced. On any failure the target is untouched, the
// temporary file is removed and the system's error text is returned; success
// returns none.
std::optional<std::string> replaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace wendle::document
