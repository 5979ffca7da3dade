#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace wendle::platform {

namespace {

// Closes a descriptor on every way out of a function.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now so that a failing close (a late write error) is seen.
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string fileNameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

IoResult writeFileAtomically(const std::string& path, std::string_view contents,
                             unsigned newFileMode) {
    const std::string folder = folderOf(path);
    std::string pattern = folder + "/." + fileNameOf(path) + ".XXXXXX";
    std::vector<char> temporaryName(pattern.begin(), pattern.end());
    temporaryName.push_back('\0');

    FileDescriptor file(::mkostemp(temporaryName.data(), O_CLOEXEC));
    if (file.get() < 0)
        return IoResult::systemFailure(path, errno);
    const std::string temporary(temporaryName.data());

    auto fail = [&](int code) {
        ::unlink(temporary.c_str());
        return IoResult::systemFailure(path, code);
    };

    struct stat existing {};
    mode_t mode = static_cast<mode_t>(newFileMode);
    if (::stat(path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    if (::fchmod(file.get(), mode) != 0)
        return fail(errno);

    if (!writeAll(file.get(), contents))
        return fail(errno);
    if (::fsync(file.get()) != 0)
        return fail(errno);
    if (file.close() != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return fail(errno);

    // The rename is only durable once the folder's entry is on disk too.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
    return IoResult::success();
}

FileReadResult readWholeFile(const std::string& path, std::size_t sizeLimit) {
    FileReadResult result;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return result;
        result.status = FileReadResult::Status::Failed;
        result.failure = IoResult::systemFailure(path, errno);
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        result.status = FileReadResult::Status::Failed;
        result.failure = IoResult::systemFailure(path, errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = FileReadResult::Status::Failed;
        result.failure = IoResult::systemFailure(path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return result;
    }
    char buffer[8192];
    for (;;) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result.status = FileReadResult::Status::Failed;
            result.failure = IoResult::systemFailure(path, errno);
            result.contents.clear();
            return result;
        }
        if (count == 0)
            break;
        if (result.contents.size() + static_cast<std::size_t>(count) > sizeLimit) {
            result.status = FileReadResult::Status::Failed;
            result.failure = IoResult::systemFailure(path, EFBIG);
            result.contents.clear();
            return result;
        }
        result.contents.append(buffer, static_cast<std::size_t>(count));
    }
    result.status = FileReadResult::Status::Read;
    return result;
}

IoResult makeFolders(const std::string& folder, unsigned mode) {
    if (folder.empty())
        return IoResult::failure("Empty folder name", EINVAL);
    std::string partial;
    std::size_t position = 0;
    while (position != std::string::npos) {
        position = folder.find('/', position + 1);
        partial = folder.substr(0, position);
        if (partial.empty() || partial == "/")
            continue;
        if (::mkdir(partial.c_str(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST) {
            return IoResult::systemFailure(partial, errno);
        }
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return IoResult::systemFailure(folder, errno);
    if (!S_ISDIR(info.st_mode))
        return IoResult::systemFailure(folder, ENOTDIR);
    return IoResult::success();
}

}  // namespace wendle::platform
