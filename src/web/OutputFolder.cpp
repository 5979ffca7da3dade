#include "web/OutputFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "document/PublishFiles.h"

namespace wendle::web {

namespace {

std::string reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
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

}  // namespace

OutputFolder::OutputFolder(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty())
        folder_ = "./";
    if (folder_.back() != '/')
        folder_ += '/';
}

std::optional<std::string> OutputFolder::prepare() const {
    const std::string folder = folder_.substr(0, folder_.size() - 1);
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        return reason(folder);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return reason(folder);
    if (!S_ISDIR(info.st_mode)) {
        errno = ENOTDIR;
        return reason(folder);
    }
    return std::nullopt;
}

std::optional<std::string> OutputFolder::write(const std::string& name,
                                               std::string_view bytes) const {
    const std::string target = folder_ + name;
    if (!document::isPlainFileName(name)) {
        errno = EINVAL;
        return reason(target);
    }
    std::string temporary = folder_ + "." + name + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return reason(target);
    const bool written = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        errno = written ? errno : savedErrno;
        const std::string problem = reason(target);
        ::unlink(temporary.c_str());
        return problem;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const std::string problem = reason(target);
        ::unlink(temporary.c_str());
        return problem;
    }
    return std::nullopt;
}

std::optional<std::string> OutputFolder::copy(const std::string& source,
                                              const std::string& name) const {
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return reason(source);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return reason(source);
    return write(name, bytes);
}

}  // namespace wendle::web
