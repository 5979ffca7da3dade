#include "document/PublishFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/NamedFile.h"
#include "platform/Windows1252.h"

namespace wendle::document {

namespace {

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

bool copyContents(int from, int to) {
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        if (!writeAll(to, buffer.data(), std::size_t(got)))
            return false;
    }
}

}  // namespace

bool isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::string fileSystemName(std::string_view text) {
    return platform::windows1252ToUtf8(text);
}

std::optional<std::string> existingFile(const std::string& text) {
    if (auto found = platform::findNamedFile(text))
        return found->file;
    return std::nullopt;
}

bool isFile(const std::string& path) {
    return platform::isRegularFile(path);
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

namespace {

bool hasSignature(std::string_view head, FileRole role) {
    constexpr std::string_view kGif87 = "GIF87a", kGif89 = "GIF89a", kJpeg = "\xFF\xD8\xFF";
    constexpr std::string_view kSnd = ".snd";
    if (role == FileRole::Sound)
        return head.starts_with(kSnd);
    return head.starts_with(kGif87) || head.starts_with(kGif89) || head.starts_with(kJpeg);
}

// Reads up to `size` bytes from the start of the file.
std::string readHead(int fd, std::size_t size) {
    std::string head(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        const ssize_t count = ::read(fd, head.data() + got, size - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        got += std::size_t(count);
    }
    head.resize(got);
    return head;
}

CopyOutcome copyFile(const std::string& source, const std::string& target,
                     std::optional<FileRole> role) {
    platform::ignoreFileSizeSignal();
    // Non-blocking, so that a named pipe given as a source cannot hang the
    // program; it is refused below like anything that is not a plain file.
    const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (from < 0)
        return CopyOutcome::NotCopied;
    struct stat info {};
    if (::fstat(from, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(from);
        return CopyOutcome::NotCopied;
    }
    const std::string head = readHead(from, 8);
    if (role && !hasSignature(head, *role)) {
        ::close(from);
        return CopyOutcome::WrongContent;
    }
    // O_EXCL: an existing file (or link) of that name is never replaced.
    const int to = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (to < 0) {
        ::close(from);
        return CopyOutcome::NotCopied;
    }
    // Readable by everyone whatever the source's mode or the umask: the
    // copy is for a web server, which runs as another account.
    const bool copied =
        ::fchmod(to, 0644) == 0 && writeAll(to, head.data(), head.size()) && copyContents(from, to);
    ::close(from);
    if (::close(to) != 0 || !copied) {
        ::unlink(target.c_str());
        return CopyOutcome::NotCopied;
    }
    return CopyOutcome::Copied;
}

}  // namespace

bool copyFileIfAbsent(const std::string& source, const std::string& target) {
    return copyFile(source, target, std::nullopt) == CopyOutcome::Copied;
}

CopyOutcome copyFileForRole(const std::string& source, const std::string& target, FileRole role) {
    return copyFile(source, target, role);
}

bool fileFitsRole(const std::string& path, FileRole role) {
    // Without blocking: a named pipe must not hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool fits =
        ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && hasSignature(readHead(fd, 8), role);
    ::close(fd);
    return fits;
}

void deleteCopy(const std::string& folder, const std::string& name) {
    if (!isPlainFileName(name))
        return;
    const std::string path = folder + fileSystemName(name);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return;
    ::unlink(path.c_str());
}

std::optional<std::string> createFolder(const std::string& folder) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (::mkdir(path.c_str(), 0777) == 0)
        return std::nullopt;
    const int error = errno;
    if (error == EEXIST && isFolder(path))
        return std::nullopt;
    return path + ": " + std::strerror(error);
}

}  // namespace wendle::document
