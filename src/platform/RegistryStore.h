#pragma once

#include <optional>
#include <string>

#include "platform/IoResult.h"
#include "platform/RegistryTree.h"

namespace wendle::platform {

// The two roots the program keeps values under. Both live in the user's
// own config folder: the "local machine" root is simply a second file, as
// the program needs no rights beyond the user's.
enum class RegistryRoot { CurrentUser, LocalMachine };

// One root of the store, backed by one file (see RegistryFileFormat). The
// file is read when the store is made; changes stay in memory until flush(),
// which replaces the file atomically. Not thread-safe: used on the
// user-interface thread.
//
// A damaged file never stops the program: a file that is not ours gives no
// values, and a file with bad lines gives the values of its good lines. So
// that nothing is lost by the next flush, such a file is first copied aside
// to "<file>.corrupt"; a file over kSizeLimit is moved there at once, and
// the store starts afresh. A file that exists but cannot be read at all (a
// named pipe or device in its place, no permission) is never overwritten;
// it gives no values, loadFailure() says why, and flush() reports it.
class RegistryStore {
  public:
    enum class LoadState {
        Missing,     // no file yet: no values
        Loaded,      // every line parsed
        Repaired,    // some lines were skipped
        NotOurs,     // no header of ours: no values
        SetAside,    // too large to be ours: moved to "<file>.corrupt", no values
        Unreadable,  // not a plain file, or no access: no values, never written
    };

    explicit RegistryStore(std::string filePath);

    // The file of a root: userConfigFolder() + "current-user.reg" or
    // "local-machine.reg".
    static std::string filePathFor(RegistryRoot root);

    const std::string& filePath() const { return filePath_; }
    LoadState loadState() const { return loadState_; }
    const IoResult& loadFailure() const { return loadFailure_; }

    const RegistryTree& read() const { return tree_; }
    // Access for changing; marks the store for writing at the next flush.
    RegistryTree& edit() {
        changed_ = true;
        return tree_;
    }
    bool hasChanges() const { return changed_; }

    // Writes the values when anything was changed since the last flush and
    // the file would not be the same bytes again.
    IoResult flush();

    static constexpr std::size_t kSizeLimit = 16 * 1024 * 1024;

  private:
    IoResult keepDamagedFileAside();

    std::string filePath_;
    RegistryTree tree_;
    LoadState loadState_ = LoadState::Missing;
    IoResult loadFailure_;
    std::string damagedContents_;
    // What the file holds, as read whole or last written.
    std::optional<std::string> fileContents_;
    bool changed_ = false;
};

}  // namespace wendle::platform
