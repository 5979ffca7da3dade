#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace wendle {

// Looks for one text in the contents of files, block by block through a
// fixed buffer of 32 KiB that it holds for its whole life: nothing is
// allocated per file. Each block after the first begins with the last bytes
// of the one before it, as many as the text is long, so that a text lying
// across two blocks is found.
class FileContentSearch {
  public:
    static constexpr std::size_t kBufferSize = 32 * 1024;
    static constexpr std::size_t kBlockLength = 32767;

    // `text` must not be empty. Unless `caseSensitive`, ASCII letters match
    // either case.
    FileContentSearch(std::string text, bool caseSensitive);

    // The text as it is compared: lower case unless the search is case-sensitive.
    const std::string& text() const { return text_; }

    struct Result {
        bool found = false;
        int error = 0;  // errno when the file could not be opened or read
    };

    // Whether the first `size` bytes of the regular file `name` in the open
    // folder `folderFd` hold the text. `size` is what the file measured just
    // before it was opened: bytes added while it is read are never read, so
    // a file that keeps growing cannot keep the search reading. Reading ends
    // early, with nothing found, once `stop` is set. `keepAccessTime` opens
    // with O_NOATIME, which only the file's owner (or a privileged user) may do.
    Result fileContains(int folderFd, const char* name, std::uint64_t size, bool keepAccessTime,
                        const std::atomic<bool>& stop);

  private:
    Result readHolds(int fd, std::uint64_t size, const std::atomic<bool>& stop);

    std::string text_;
    bool caseSensitive_;
    // A block holds at most kBlockLength bytes; a text too long for that to
    // leave room for progress gets a block twice its own length instead.
    std::size_t blockLength_;
    std::unique_ptr<char[]> buffer_;
};

}  // namespace wendle
