#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <optional>
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

// Removes the temporary file unless the rename made it the target.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    ~TemporaryFile() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void set(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }
    void keep() { path_.clear(); }

  private:
    std::string path_;
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

// The file a write really replaces: symbolic links are followed to the file
// they name, also when that file does not exist yet. None, with errno set,
// when the chain cannot be followed.
std::optional<std::string> finalTarget(const std::string& path) {
    constexpr int kMostLinks = 40;  // as the system itself allows
    std::string current = path;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0)
            return errno == ENOENT ? std::optional(current) : std::nullopt;
        if (!S_ISLNK(info.st_mode))
            return current;
        std::vector<char> target(std::size_t(info.st_size > 0 ? info.st_size : 255) + 1);
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0)
            return std::nullopt;
        if (std::size_t(length) == target.size()) {
            errno = ENAMETOOLONG;  // the link changed while it was read
            return std::nullopt;
        }
        const std::string named(target.data(), std::size_t(length));
        current = named.front() == '/' ? named : folderOf(current) + "/" + named;
    }
    errno = ELOOP;
    return std::nullopt;
}

// Opens a new, unused temporary file beside the target. The mode passes
// through the umask, as for any file a program creates.
int openTemporary(const std::string& folder, const std::string& name, mode_t mode,
                  TemporaryFile& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = folder + "/." + name + ".saving-" +
                                      std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            temporary.set(candidate);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const std::string& folder) {
    // The data is already safe in the renamed file; a folder that cannot be
    // synced (some file systems refuse) only loses the rename's durability.
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
}

// Gives the new file the old one's permissions and, where allowed, owner.
bool takeOverOwnership(int fd, const struct stat& existing) {
    if (::fchmod(fd, existing.st_mode & 07777) != 0)
        return false;
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
        // Keeping the owner needs privileges; without them the file simply
        // belongs to the one who saved it. A change of owner may clear the
        // set-id bits, so the mode is given again.
        if (::fchown(fd, existing.st_uid, existing.st_gid) == 0)
            ::fchmod(fd, existing.st_mode & 07777);
    }
    return true;
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

void ignoreFileSizeSignal() {
    // Checked on every call, not once: a child process may have been given
    // the default action back after an earlier call.
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        ::signal(SIGXFSZ, SIG_IGN);
}

IoResult writeFileAtomically(const std::string& path, std::string_view contents,
                             unsigned newFileMode) {
    ignoreFileSizeSignal();
    const std::optional<std::string> found = finalTarget(path);
    if (!found)
        return IoResult::systemFailure(path, errno);
    const std::string& target = *found;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return IoResult::systemFailure(path, EISDIR);
        if (!S_ISREG(existing.st_mode))
            return IoResult::refused(path, kNotRegularFile);
        // A write-protected file stays protected: renaming over it would
        // otherwise succeed in a writable folder.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return IoResult::systemFailure(path, errno);
    } else if (errno != ENOENT) {
        return IoResult::systemFailure(path, errno);
    }

    const std::string folder = folderOf(target);
    TemporaryFile temporary;
    FileDescriptor file(
        openTemporary(folder, fileNameOf(target), mode_t(newFileMode & 07777), temporary));
    if (file.get() < 0)
        return IoResult::systemFailure(path, errno);

    if (exists && !takeOverOwnership(file.get(), existing))
        return IoResult::systemFailure(path, errno);
    if (!writeAll(file.get(), contents))
        return IoResult::systemFailure(path, errno);
    if (::fsync(file.get()) != 0)
        return IoResult::systemFailure(path, errno);
    if (file.close() != 0)
        return IoResult::systemFailure(path, errno);
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        return IoResult::systemFailure(path, errno);
    temporary.keep();
    syncFolder(folder);
    return IoResult::success();
}

FileReadResult readWholeFile(const std::string& path, std::size_t sizeLimit) {
    FileReadResult result;
    auto failed = [&](IoResult why) {
        result.status = FileReadResult::Status::Failed;
        result.failure = std::move(why);
        result.contents.clear();
        return result;
    };
    // Without O_NONBLOCK, opening a named pipe waits for a writer for ever.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return result;
        return failed(IoResult::systemFailure(path, errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return failed(IoResult::systemFailure(path, errno));
    if (S_ISDIR(info.st_mode))
        return failed(IoResult::systemFailure(path, EISDIR));
    if (!S_ISREG(info.st_mode))
        return failed(IoResult::refused(path, kNotRegularFile));
    char buffer[8192];
    for (;;) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return failed(IoResult::systemFailure(path, errno));
        }
        if (count == 0)
            break;
        if (result.contents.size() + static_cast<std::size_t>(count) > sizeLimit)
            return failed(IoResult::systemFailure(path, EFBIG));
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
