#include "browser/FindThread.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "browser/FileSystemKind.h"

namespace wendle {

namespace {

constexpr int kOpenFolder = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

TSearchRec searchRecord(std::string_view name, const struct stat& info) {
    TSearchRec record;
    record.Name = std::string(name);
    int attr = 0;
    if (S_ISDIR(info.st_mode))
        attr |= faDirectory;
    else if (S_ISLNK(info.st_mode))
        attr |= faSymLink;
    else
        attr |= faArchive;
    if (!name.empty() && name[0] == '.')
        attr |= faHidden;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attr |= faReadOnly;
    record.Attr = attr;
    record.Size = S_ISDIR(info.st_mode) ? 0 : static_cast<std::int64_t>(info.st_size);
    record.Time = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    return record;
}

}  // namespace

TFindThread::TFindThread(FindDefinition definition, UiDispatcher& dispatcher)
    : definition_(std::move(definition)),
      mask_(definition_.fileMask),
      files_(definition_.files),
      handoff_(dispatcher, terminated_) {
    if (!definition_.containingText.empty()) {
        contents_.emplace(definition_.containingText, definition_.caseSensitive);
    }
}

TFindThread::~TFindThread() {
    Terminate();
    WaitFor();
}

void TFindThread::Resume() {
    if (thread_.joinable())
        return;
    thread_ = std::thread([this] { Execute(); });
}

void TFindThread::Terminate() {
    terminated_.store(true);
    handoff_.stopWaiting();
}

void TFindThread::WaitFor() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

void TFindThread::Execute() {
    applyToCurrentThread(definition_.threadPriority);
    userId_ = geteuid();
    mayKeepAccessTime_ = userId_ == 0;
    mounts_ = MountTable::read();
    for (const char letter : definition_.drives) {
        if (Terminated())
            break;
        if (definition_.directories.empty()) {
            if (auto folder = definition_.driveMap.driveFolder(letter))
                SearchDirectory(letter, *folder);
            continue;
        }
        for (const std::string& entry : definition_.directories) {
            if (Terminated())
                break;
            if (auto folder = definition_.driveMap.folderFor(letter, entry)) {
                SearchDirectory(letter, *folder);
            }
        }
    }
    if (!Terminated() && definition_.onCompleted) {
        handoff_.deliver([this] { definition_.onCompleted(*this); });
    }
    finished_.store(true);
}

void TFindThread::SearchDirectory(char driveLetter, const std::string& folder) {
    // The folder asked for is opened even through a link: the user named it.
    const int fd = open(folder.c_str(), kOpenFolder);
    if (fd < 0)
        return;
    driveLetter_ = driveLetter;
    driveRoot_ = definition_.driveMap.root(driveLetter);
    folder_ = folder;
    startFolder_ = folder;
    if (mounts_) {
        std::unique_ptr<char, decltype(&std::free)> real(realpath(folder.c_str(), nullptr),
                                                         &std::free);
        realStartFolder_ = real ? real.get() : folder;
        mountsBelowStart_ = mounts_->anyBelow(realStartFolder_);
    }
    walk(fd, 0, fileSystemTypeOf(fd));
}

// Owns `folderFd` and closes it. The folder's own entries are matched first,
// then its subfolders are walked one after another, in the order in which
// they were listed - all from a single listing of the folder.
void TFindThread::walk(int folderFd, std::size_t depth, unsigned long fileSystemType) {
    deliverChangeDirectory();
    if (depth >= subfolders_.size())
        subfolders_.emplace_back();
    std::string& subfolders = subfolders_[depth];
    subfolders.clear();

    while (!Terminated() && reader_.readBatch(folderFd)) {
        DirectoryReader::Entry entry;
        while (!Terminated() && reader_.next(entry)) {
            bool isFolder = entry.type == DT_DIR;
            std::optional<struct stat> known;
            if (entry.type == DT_UNKNOWN) {
                // This file system does not give types in its listing.
                struct stat info;
                if (fstatat(folderFd, entry.name.data(), &info, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                known = info;
                isFolder = S_ISDIR(info.st_mode);
            }
            if (mask_.matches(entry.name))
                MatchFiles(folderFd, entry, isFolder, known);
            if (isFolder) {
                subfolders.append(entry.name);
                subfolders.push_back('\0');
            }
        }
    }

    const std::size_t folderLength = folder_.size();
    std::size_t at = 0;
    while (!Terminated() && at < subfolders.size()) {
        const char* name = subfolders.c_str() + at;
        at += std::strlen(name) + 1;
        const int childFd = openat(folderFd, name, kOpenFolder | O_NOFOLLOW);
        if (childFd < 0)
            continue;
        unsigned long childType = fileSystemType;
        if (mayBeMountPoint(name)) {
            childType = fileSystemTypeOf(childFd);
            if (childType != fileSystemType && isPseudoOrNetworkFileSystem(childType)) {
                close(childFd);
                continue;
            }
        }
        if (folder_.back() != '/')
            folder_ += '/';
        folder_ += name;
        walk(childFd, depth + 1, childType);
        folder_.resize(folderLength);
    }
    close(folderFd);
}

bool TFindThread::mayBeMountPoint(const char* subfolder) {
    if (!mounts_)
        return true;
    if (!mountsBelowStart_)
        return false;
    realSubfolder_.assign(realStartFolder_);
    realSubfolder_.append(folder_, startFolder_.size());
    if (realSubfolder_.back() != '/')
        realSubfolder_ += '/';
    realSubfolder_ += subfolder;
    return mounts_->isMountPoint(realSubfolder_);
}

void TFindThread::MatchFiles(int folderFd, const DirectoryReader::Entry& entry, bool isFolder,
                             const std::optional<struct stat>& known) {
    if (!files_.empty() && !files_.names(folder_, entry.name, driveLetter_, driveRoot_))
        return;

    struct stat info;
    if (known) {
        info = *known;
    } else if (!contents_ || entry.type == DT_REG) {
        if (fstatat(folderFd, entry.name.data(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return;
    } else {
        return;  // not a plain file: its contents are never searched
    }

    if (!contents_) {
        deliverFound(entry, info);
        return;
    }
    // Only plain files are read: a link is never followed, and a device or a
    // pipe has no contents to search (and may never end).
    if (isFolder || !S_ISREG(info.st_mode))
        return;
    if (static_cast<std::uint64_t>(info.st_size) < contents_->text().size())
        return;
    const bool keepAccessTime = mayKeepAccessTime_ || info.st_uid == userId_;
    if (contents_->fileContains(folderFd, entry.name.data(), keepAccessTime, terminated_)) {
        deliverFound(entry, info);
    }
}

void TFindThread::deliverFound(const DirectoryReader::Entry& entry, const struct stat& info) {
    if (!definition_.onFileFound || Terminated())
        return;
    eventDirectory_ = folder_;
    fileinfo_ = searchRecord(entry.name, info);
    handoff_.deliver([this] { definition_.onFileFound(*this, eventDirectory_, fileinfo_); });
}

void TFindThread::deliverChangeDirectory() {
    if (!definition_.onChangeDirectory || Terminated())
        return;
    eventDirectory_ = folder_;
    handoff_.deliver([this] { definition_.onChangeDirectory(*this, eventDirectory_); });
}

}  // namespace wendle
