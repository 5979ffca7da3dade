#include "browser/FileContentSearch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "browser/FileMask.h"

namespace wendle {

namespace {

// ASCII lower case, eight bytes at a time: for each byte below 0x80, adding
// 0x3F sets its top bit from 'A' up and adding 0x25 sets it from past 'Z' up;
// where exactly one of the two is set the byte is a capital, and 0x20 makes
// it small. No sum carries into the next byte.
void lowerAscii(char* bytes, std::size_t count) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kTopBits = 0x80 * kOnes;
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        const std::uint64_t low7 = word & ~kTopBits;
        const std::uint64_t fromA = low7 + (0x80 - 'A') * kOnes;
        const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kOnes;
        const std::uint64_t capitals = (fromA ^ pastZ) & ~word & kTopBits;
        word |= capitals >> 2;
        std::memcpy(bytes + i, &word, 8);
    }
    for (; i < count; ++i) bytes[i] = asciiLower(bytes[i]);
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

FileContentSearch::Result FileContentSearch::fileContains(int folderFd, const char* name,
                                                          std::uint64_t size, bool keepAccessTime,
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
        return {false, errno};
    const Result result = readHolds(fd, size, stop);
    close(fd);
    return result;
}

// Block by block up to `size` bytes, or to the end of the file if it has
// shrunk meanwhile. The overlap is kept in the buffer rather than read again:
// the last text-length bytes of a block move to the front and the next block
// is filled up behind them.
FileContentSearch::Result FileContentSearch::readHolds(int fd, std::uint64_t size,
                                                       const std::atomic<bool>& stop) {
    const std::size_t length = text_.size();
    char* const buffer = buffer_.get();
    std::size_t carried = 0;
    std::uint64_t remaining = size;
    while (remaining > 0) {
        if (stop.load(std::memory_order_relaxed))
            return {};
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(blockLength_ - carried, remaining));
        const ssize_t got = readFully(fd, buffer + carried, wanted);
        if (got < 0)
            return {false, errno};
        if (!caseSensitive_)
            lowerAscii(buffer + carried, static_cast<std::size_t>(got));
        const std::size_t block = carried + static_cast<std::size_t>(got);
        if (block >= length && memmem(buffer, block, text_.data(), length) != nullptr)
            return {true, 0};
        if (static_cast<std::size_t>(got) < wanted)
            return {};  // the file has shrunk
        remaining -= static_cast<std::uint64_t>(got);
        carried = std::min(length, block);
        std::memmove(buffer, buffer + block - carried, carried);
    }
    return {};
}

}  // namespace wendle
