#include "browser/DirectoryReader.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

namespace wendle {

DirectoryReader::DirectoryReader(std::size_t bufferSize)
    : buffer_(new char[bufferSize]), bufferSize_(bufferSize) {}

bool DirectoryReader::readBatch(int fd) {
    offset_ = filled_ = 0;
    ssize_t count;
    do {
        count = getdents64(fd, buffer_.get(), bufferSize_);
    } while (count < 0 && errno == EINTR);
    error_ = count < 0 ? errno : 0;
    if (count <= 0)
        return false;
    filled_ = static_cast<std::size_t>(count);
    return true;
}

bool DirectoryReader::next(Entry& entry) {
    while (offset_ < filled_) {
        const auto* record = reinterpret_cast<const dirent64*>(buffer_.get() + offset_);
        offset_ += record->d_reclen;
        const char* name = record->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        entry.name = std::string_view(name, std::strlen(name));
        entry.type = record->d_type;
        entry.inode = record->d_ino;
        return true;
    }
    return false;
}

}  // namespace wendle
