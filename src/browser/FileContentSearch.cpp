#include "browser/FileContentSearch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "browser/FileMask.h"

namespace wendle {

namespace {

void lowerAscii(char* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        bytes[i] = static_cast<char>(c + ((static_cast<unsigned char>(c - 'A') < 26u) << 5));
    }
}

// Fills `count` bytes unless the file ends first; returns how many were read,
// or -1 on a read error.
ssize_t readFully(int fd, char* into, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = read(fd, into + got, count - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

}  // namespace

FileContentSearch::FileContentSearch(std::string text, bool caseSensitive)
    : text_(caseSensitive ? std::move(text) : asciiLowered(text)),
      caseSensitive_(caseSensitive),
      blockLength_(std::max(kBlockLength, 2 * text_.size())),
      buffer_(new char[std::max(kBufferSize, blockLength_)]) {}

bool FileContentSearch::fileContains(int folderFd, const char* name, bool keepAccessTime,
                                     const std::atomic<bool>& stop) {
    // O_NONBLOCK: should the entry have turned into a pipe since it was
    // listed, opening it must not wait for a writer.
    int flags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK;
    if (keepAccessTime)
        flags |= O_NOATIME;
    int fd = openat(folderFd, name, flags);
    if (fd < 0 && keepAccessTime && errno == EPERM)
        fd = openat(folderFd, name, flags & ~O_NOATIME);
    if (fd < 0)
        return false;
    const bool found = readHolds(fd, stop);
    close(fd);
    return found;
}

// Block by block to the end of the file as it is now (it may have grown or
// shrunk since it was listed). The overlap is kept in the buffer rather than
// read again: the last text-length bytes of a block move to the front and the
// next block is filled up behind them.
bool FileContentSearch::readHolds(int fd, const std::atomic<bool>& stop) {
    const std::size_t length = text_.size();
    char* const buffer = buffer_.get();
    std::size_t carried = 0;
    for (;;) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        const ssize_t got = readFully(fd, buffer + carried, blockLength_ - carried);
        if (got <= 0)
            return false;
        if (!caseSensitive_)
            lowerAscii(buffer + carried, static_cast<std::size_t>(got));
        const std::size_t block = carried + static_cast<std::size_t>(got);
        if (block >= length && memmem(buffer, block, text_.data(), length) != nullptr)
            return true;
        if (block < blockLength_)
            return false;  // the end of the file
        carried = std::min(length, block);
        std::memmove(buffer, buffer + block - carried, carried);
    }
}

}  // namespace wendle
