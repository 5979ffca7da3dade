#include "platform/RegistryStore.h"

#include <cerrno>
#include <cstdio>

#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "platform/RegistryFileFormat.h"

namespace wendle::platform {

RegistryStore::RegistryStore(std::string filePath) : filePath_(std::move(filePath)) {
    FileReadResult file = readWholeFile(filePath_, kSizeLimit);
    switch (file.status) {
        case FileReadResult::Status::Missing:
            loadState_ = LoadState::Missing;
            return;
        case FileReadResult::Status::Failed:
            // A regular file this large was never written by the program;
            // were it kept, no later run could save its settings.
            if (file.failure.errorCode == EFBIG &&
                ::rename(filePath_.c_str(), (filePath_ + ".corrupt").c_str()) == 0) {
                loadState_ = LoadState::SetAside;
                return;
            }
            loadState_ = LoadState::Unreadable;
            loadFailure_ = file.failure;
            return;
        case FileReadResult::Status::Read:
            break;
    }
    RegistryFileFormat::ParseResult parsed = RegistryFileFormat::parse(file.contents);
    tree_ = std::move(parsed.tree);
    if (!parsed.recognised) {
        loadState_ = LoadState::NotOurs;
    } else if (parsed.skippedLines > 0) {
        loadState_ = LoadState::Repaired;
    } else {
        loadState_ = LoadState::Loaded;
        fileContents_ = std::move(file.contents);
        return;
    }
    damagedContents_ = std::move(file.contents);
}

std::string RegistryStore::filePathFor(RegistryRoot root) {
    return userConfigFolder() +
           (root == RegistryRoot::CurrentUser ? "current-user.reg" : "local-machine.reg");
}

IoResult RegistryStore::keepDamagedFileAside() {
    if (damagedContents_.empty())
        return IoResult::success();
    IoResult kept = writeFileAtomically(filePath_ + ".corrupt", damagedContents_);
    if (kept)
        damagedContents_.clear();
    return kept;
}

IoResult RegistryStore::flush() {
    if (!changed_)
        return IoResult::success();
    if (loadState_ == LoadState::Unreadable) {
        // Its values may still be there; writing ours would destroy them.
        return loadFailure_;
    }
    if (IoResult folder = makeFolders(folderOf(filePath_)); !folder)
        return folder;
    if (IoResult kept = keepDamagedFileAside(); !kept)
        return kept;
    std::string text = RegistryFileFormat::serialize(tree_);
    // Values set again as they were leave the file as it is.
    if (fileContents_ && *fileContents_ == text) {
        changed_ = false;
        return IoResult::success();
    }
    IoResult written = writeFileAtomically(filePath_, text);
    if (written) {
        changed_ = false;
        fileContents_ = std::move(text);
    }
    return written;
}

}  // namespace wendle::platform
