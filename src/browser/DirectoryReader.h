#pragma once

#include <sys/types.h>

#include <cstddef>
#include <memory>
#include <string_view>

namespace wendle {

// Lists an open folder in batches straight from the kernel (getdents64),
// with the type of each entry, through one buffer that is reused for every
// folder: listing a folder allocates nothing.
class DirectoryReader {
  public:
    struct Entry {
        std::string_view name;
        // DT_DIR, DT_REG, DT_LNK…; DT_UNKNOWN when the file system does not say.
        unsigned char type;
        ino_t inode;
    };

    explicit DirectoryReader(std::size_t bufferSize = 64 * 1024);

    // Reads the next batch of the folder `fd`. False at the end of the
    // folder or when it cannot be read further; error() tells which.
    bool readBatch(int fd);
    // Why the last readBatch() returned false: 0 at the end of the folder,
    // otherwise the errno of the failed read.
    int error() const { return error_; }
    // The next entry of the current batch, "." and ".." left out.
    bool next(Entry& entry);

  private:
    std::unique_ptr<char[]> buffer_;
    std::size_t bufferSize_;
    std::size_t filled_ = 0;
    std::size_t offset_ = 0;
    int error_ = 0;
};

}  // namespace wendle
