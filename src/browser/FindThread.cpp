#include "browser/FindThread.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "browser/FileSystemKind.h"
#include "browser/Messages.h"

namespace wendle {

namespace {

constexpr int kOpenFolder = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
// Paths the kernel takes in one piece are shorter than PATH_MAX; longer
// ones are opened a piece at a time, and helpers leave them to the walk.
constexpr std::size_t kPathPiece = 3000;

TSearchRec searchRecord(std::string_view name, unsigned char type,
                        const std::optional<FileFacts>& facts) {
    TSearchRec record;
    record.Name = std::string(name);
    int attr = 0;
    if (type == DT_DIR)
        attr |= faDirectory;
    else if (type == DT_LNK)
        attr |= faSymLink;
    else
        attr |= faArchive;
    if (!name.empty() && name[0] == '.')
        attr |= faHidden;
    if (facts) {
        if ((facts->mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            attr |= faReadOnly;
        record.Size = type == DT_DIR ? 0 : facts->size;
        record.Time = facts->modified;
    }
    record.Attr = attr;
    return record;
}

bool outOfDescriptors(int error) {
    return error == EMFILE || error == ENFILE;
}

// Opens the folder `relative` below the open folder `base`, a piece at a
// time when the path is too long for one call. Returns the descriptor, or
// minus the errno.
int openBelow(int base, std::string_view relative) {
    int current = base;
    while (!relative.empty()) {
        std::size_t length = relative.size();
        if (length > kPathPiece) {
            length = relative.rfind('/', kPathPiece);
            if (length == std::string_view::npos || length == 0)
                length = relative.find('/');
        }
        const std::string piece(relative.substr(0, length));
        relative.remove_prefix(std::min(relative.size(), length + 1));
        const int next = openat(current, piece.c_str(), kOpenFolder | O_NOFOLLOW);
        const int error = errno;
        if (current != base)
            close(current);
        if (next < 0)
            return -error;
        current = next;
    }
    return current;
}

}  // namespace

TFindThread::TFindThread(FindDefinition definition, UiDispatcher& dispatcher)
    : definition_(std::move(definition)),
      rules_(definition_.fileMask, definition_.files, definition_.containingText,
             definition_.caseSensitive, definition_.fileDetails),
      scanner_(rules_),
      helpers_(definition_.scanHelpers.value_or(ScanAhead::helpersForThisMachine())),
      handoff_(dispatcher, terminated_) {}

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
    rules_.userId = geteuid();
    rules_.mayKeepAccessTime = rules_.userId == 0;
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
    if (fd < 0) {
        reportSkipped(folder, errno);
        return;
    }
    rules_.driveLetter = driveLetter;
    rules_.driveRoot = definition_.driveMap.root(driveLetter);
    startFolder_ = folder;
    if (mounts_) {
        std::unique_ptr<char, decltype(&std::free)> real(realpath(folder.c_str(), nullptr),
                                                         &std::free);
        realStartFolder_ = real ? real.get() : folder;
        mountsBelowStart_ = mounts_->anyBelow(realStartFolder_);
    }
    walkFrom(folder, fd);
}

// Owns `fd`, the open start folder. Each folder's own entries are reported
// first, then its subfolders are walked one after another, in the order in
// which they were listed - all from a single listing of the folder.
void TFindThread::walkFrom(const std::string& folder, int fd) {
    folder_ = folder;
    depth_ = 0;
    held_.clear();
    Frame& root = pushFrame(0);
    root.fd = fd;
    struct stat info;
    if (fstat(fd, &info) == 0) {
        root.device = info.st_dev;
        root.inode = info.st_ino;
    }
    root.fileSystemType = fileSystemTypeOf(fd);

    // Ends, and waits for its helpers, when this walk ends.
    ScanAhead ahead(rules_, terminated_, definition_.threadPriority, helpers_);
    ahead_ = &ahead;
    scanner_.scan(fd, folder_, root.scan, terminated_);
    enterFolder(root, ahead);
    descend(ahead);
    while (depth_ > 0) popFrame();
    ahead_ = nullptr;
}

void TFindThread::descend(ScanAhead& ahead) {
    while (depth_ > 0 && !Terminated()) {
        const std::size_t parent = depth_ - 1;
        if (frames_[parent].next >= frames_[parent].scan.subfolders.size()) {
            popFrame();
            continue;
        }
        const std::size_t index = frames_[parent].next++;
        const FolderScan::Subfolder sub = frames_[parent].scan.subfolders[index];
        std::shared_ptr<ScanJob> job;
        if (index < frames_[parent].ahead.size())
            job = std::move(frames_[parent].ahead[index]);

        if (folder_.back() != '/')
            folder_ += '/';
        const std::size_t nameAt = folder_.size();
        folder_ += frames_[parent].scan.name(sub.name);
        const std::string_view name = std::string_view(folder_).substr(nameAt);

        if (job && ahead.take(*job)) {
            Frame& child = pushFrame(nameAt);
            child.scan = std::move(job->scan);
            child.device = job->device;
            child.inode = job->inode;
            child.fileSystemType = frames_[parent].fileSystemType;
            enterFolder(child, ahead);
            continue;
        }

        const int fd = openSubfolder(parent, name);
        if (fd < 0) {
            reportSkipped(folder_, -fd);
            folder_.resize(frames_[parent].pathLength);
            continue;
        }
        unsigned long fileSystemType = frames_[parent].fileSystemType;
        dev_t device = frames_[parent].device;
        ino_t inode = sub.inode;
        if (mayBeMountPoint(name)) {
            fileSystemType = fileSystemTypeOf(fd);
            if (fileSystemType != frames_[parent].fileSystemType &&
                isPseudoOrNetworkFileSystem(fileSystemType)) {
                close(fd);
                folder_.resize(frames_[parent].pathLength);
                continue;
            }
            struct stat info;
            if (fstat(fd, &info) == 0) {
                device = info.st_dev;
                inode = info.st_ino;
            }
        }
        Frame& child = pushFrame(nameAt);
        child.fd = fd;
        child.device = device;
        child.inode = inode;
        child.fileSystemType = fileSystemType;
        hold(depth_ - 1);
        scanner_.scan(fd, folder_, child.scan, terminated_);
        enterFolder(child, ahead);
    }
}

void TFindThread::enterFolder(Frame& frame, ScanAhead& ahead) {
    deliverChangeDirectory();
    ++foldersSearched_;
    if (frame.scan.listError != 0)
        reportSkipped(folder_, frame.scan.listError);
    for (const FolderScan::Found& found : frame.scan.found) {
        if (Terminated())
            return;
        deliverFound(frame.scan, found);
    }
    for (const FolderScan::Unread& unread : frame.scan.unread)
        reportSkipped(pathInFolder(folder_, frame.scan.name(unread.name)), unread.error);
    offerSubfolders(frame, ahead);
}

// The walk scans the first subfolder itself right away; the others may be
// scanned by helpers meanwhile.
void TFindThread::offerSubfolders(Frame& frame, ScanAhead& ahead) {
    const auto& subfolders = frame.scan.subfolders;
    if (!ahead.active() || subfolders.size() < 2 || Terminated())
        return;
    frame.ahead.resize(subfolders.size());
    std::size_t first = 0;
    for (std::size_t i = 1; i < subfolders.size(); ++i) {
        const std::string_view name = frame.scan.name(subfolders[i].name);
        if (folder_.size() + 1 + name.size() >= kPathPiece || mayBeMountPoint(name))
            continue;
        auto job = std::make_shared<ScanJob>();
        job->path = pathInFolder(folder_, name);
        job->device = frame.device;
        job->inode = subfolders[i].inode;
        frame.ahead[i] = std::move(job);
        if (first == 0)
            first = i;
    }
    if (first != 0)
        ahead.offer(frame.ahead.data() + first, frame.ahead.data() + frame.ahead.size());
}

TFindThread::Frame& TFindThread::pushFrame(std::size_t nameAt) {
    if (depth_ == frames_.size())
        frames_.emplace_back();
    Frame& frame = frames_[depth_++];
    frame.ahead.clear();
    frame.next = 0;
    frame.fd = -1;
    frame.nameAt = nameAt;
    frame.pathLength = folder_.size();
    return frame;
}

void TFindThread::popFrame() {
    const std::size_t index = depth_ - 1;
    Frame& frame = frames_[index];
    if (frame.fd >= 0) {
        close(frame.fd);
        frame.fd = -1;
    }
    if (!held_.empty() && held_.back() == index)
        held_.pop_back();
    frame.ahead.clear();
    --depth_;
    if (depth_ > 0)
        folder_.resize(frames_[depth_ - 1].pathLength);
}

// Returns the open subfolder `name` of frame `parent`, or minus the errno.
int TFindThread::openSubfolder(std::size_t parent, std::string_view name) {
    const std::string subfolder(name);
    for (int attempt = 0;; ++attempt) {
        const int parentFd = folderDescriptor(parent);
        if (parentFd < 0)
            return parentFd;
        const int fd = openat(parentFd, subfolder.c_str(), kOpenFolder | O_NOFOLLOW);
        if (fd >= 0)
            return fd;
        const int error = errno;
        if (attempt > 0 || !outOfDescriptors(error) || !spareDescriptors(parent))
            return -error;
    }
}

int TFindThread::folderDescriptor(std::size_t index) {
    if (frames_[index].fd >= 0)
        return frames_[index].fd;
    int fd = reopen(index);
    if (fd == -EMFILE || fd == -ENFILE) {
        if (spareDescriptors(index))
            fd = reopen(index);
    }
    if (fd < 0)
        return fd;
    frames_[index].fd = fd;
    if (index > 0)
        hold(index);
    return fd;
}

// Opens frame `index`'s folder again below the nearest folder still open
// (or the start folder, by its path), and makes sure it is the one listed.
int TFindThread::reopen(std::size_t index) {
    std::size_t base = index;
    while (base > 0 && frames_[base - 1].fd < 0) --base;
    int fd;
    if (base == 0) {
        fd = open(startFolder_.c_str(), kOpenFolder);
        if (fd < 0)
            return -errno;
        if (index > 0) {
            const std::size_t from = frames_[1].nameAt;
            const int below = openBelow(
                fd, std::string_view(folder_).substr(from, frames_[index].pathLength - from));
            close(fd);
            fd = below;
        }
    } else {
        const std::size_t from = frames_[base].nameAt;
        fd = openBelow(frames_[base - 1].fd,
                       std::string_view(folder_).substr(from, frames_[index].pathLength - from));
    }
    if (fd < 0)
        return fd;
    struct stat info;
    if (fstat(fd, &info) != 0 || info.st_dev != frames_[index].device ||
        info.st_ino != frames_[index].inode) {
        close(fd);
        return -kReplacedWhileSearched;
    }
    return fd;
}

void TFindThread::hold(std::size_t index) {
    held_.push_back(index);
    if (held_.size() > kHeldFolders) {
        Frame& oldest = frames_[held_.front()];
        close(oldest.fd);
        oldest.fd = -1;
        held_.pop_front();
    }
}

// Closes every folder the walk holds open but frame `keep`'s; returns
// whether any was closed.
bool TFindThread::releaseHeld(std::size_t keep) {
    bool released = false;
    for (std::size_t i = 0; i < depth_; ++i) {
        if (i != keep && frames_[i].fd >= 0) {
            close(frames_[i].fd);
            frames_[i].fd = -1;
            released = true;
        }
    }
    std::erase_if(held_, [keep](std::size_t i) { return i != keep; });
    return released;
}

// Out of descriptors: the helpers stop for the rest of the walk (their
// folders are then scanned by the walk itself), and the walk lets go of every
// folder it holds open but `keep`. Returns whether that may have freed any.
bool TFindThread::spareDescriptors(std::size_t keep) {
    bool helped = false;
    if (ahead_ && ahead_->active()) {
        ahead_->retire();
        helped = true;
    }
    return releaseHeld(keep) || helped;
}

bool TFindThread::mayBeMountPoint(std::string_view subfolder) {
    if (!mounts_)
        return true;
    if (!mountsBelowStart_)
        return false;
    const std::size_t parentLength = depth_ > 0 ? frames_[depth_ - 1].pathLength : folder_.size();
    realSubfolder_.assign(realStartFolder_);
    realSubfolder_.append(folder_, startFolder_.size(), parentLength - startFolder_.size());
    if (realSubfolder_.back() != '/')
        realSubfolder_ += '/';
    realSubfolder_ += subfolder;
    return mounts_->isMountPoint(realSubfolder_);
}

void TFindThread::deliverFound(const FolderScan& scan, const FolderScan::Found& found) {
    if (!definition_.onFileFound || Terminated())
        return;
    eventDirectory_ = folder_;
    fileinfo_ = searchRecord(scan.name(found.name), found.type, found.facts);
    handoff_.deliver([this] { definition_.onFileFound(*this, eventDirectory_, fileinfo_); });
}

void TFindThread::deliverChangeDirectory() {
    if (!definition_.onChangeDirectory || Terminated())
        return;
    eventDirectory_ = folder_;
    handoff_.deliver([this] { definition_.onChangeDirectory(*this, eventDirectory_); });
}

void TFindThread::reportSkipped(const std::string& path, int error) {
    ++skipped_;
    if (!definition_.onSkipped || Terminated())
        return;
    eventDirectory_ = path;
    handoff_.deliver([this, error] { definition_.onSkipped(*this, eventDirectory_, error); });
}

}  // namespace wendle
