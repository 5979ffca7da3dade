#include "document/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "document/DocumentMessages.h"

namespace wendle::document {

namespace {

std::string systemText(int error) {
    return std::strerror(error);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save really replaces: the target of a symbolic link, so that a
// link to a document stays a link.
std::string resolvedTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved = real;
            std::free(real);
            return resolved;
        }
    }
    return path;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// Opens a new, unused temporary file beside the target.
int openTemporary(const std::string& folder, const std::string& name, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + "/." + name + ".saving-" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const std::string& folder) {
    // The data is already safe in the renamed file; a folder that cannot be
    // synced (some file systems refuse) only loses the rename's durability.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> replaceFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = resolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return systemText(EISDIR);
        if (!S_ISREG(existing.st_mode))
            return std::string(messages::kNotRegularFile);
        // A write-protected document stays protected: renaming over it would
        // otherwise succeed in a writable folder.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return systemText(errno);
        }
    } else if (errno != ENOENT) {
        return systemText(errno);
    }

    const std::string folder = folderOf(target);
    std::string tempPath;
    const int fd = openTemporary(folder, nameOf(target), tempPath);
    if (fd < 0)
        return systemText(errno);

    auto fail = [&](int error, bool open) -> std::optional<std::string> {
        if (open)
            ::close(fd);
        ::unlink(tempPath.c_str());
        return systemText(error);
    };

    if (exists) {
        if (::fchmod(fd, existing.st_mode & 07777) != 0)
            return fail(errno, true);
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            // Keeping the owner needs privileges; without them the file
            // simply belongs to the one who saved it.
            if (::fchown(fd, existing.st_uid, existing.st_gid) == 0) {
                ::fchmod(fd, existing.st_mode & 07777);
            }
        }
    }
    if (!writeAll(fd, bytes))
        return fail(errno, true);
    if (::fsync(fd) != 0)
        return fail(errno, true);
    if (::close(fd) != 0)
        return fail(errno, false);
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return fail(errno, false);
    syncFolder(folder);
    return std::nullopt;
}

}  // namespace wendle::document
