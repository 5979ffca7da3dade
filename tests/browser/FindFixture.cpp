#include "FindFixture.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <thread>

#include "browser/DriveMap.h"
#include "browser/FileSystemKind.h"

namespace wendle::test {

namespace fs = std::filesystem;

namespace {

fs::path diskFolderForFixtures() {
    for (const fs::path& candidate :
         {fs::temp_directory_path(), fs::path("/var/tmp"), fs::current_path()}) {
        if (isFixedDiskFolder(candidate.c_str()))
            return candidate;
    }
    return fs::temp_directory_path();
}

}  // namespace

TempTree::TempTree() : TempTree(diskFolderForFixtures()) {}

TempTree::TempTree(const fs::path& parent) {
    std::random_device random;
    root_ = parent / ("wendle-find-" + std::to_string(random()));
    fs::create_directories(root_);
}

fs::path memoryFolderForFixtures() {
    const fs::path shared("/dev/shm");
    if (access(shared.c_str(), W_OK | X_OK) == 0)
        return shared;
    return diskFolderForFixtures();
}

TempTree::~TempTree() {
    std::error_code ignored;
    // Make every folder readable again before removing it.
    for (auto it = fs::recursive_directory_iterator(root_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
    fs::remove_all(root_, ignored);
}

std::string TempTree::path(const std::string& relative) const {
    return relative.empty() ? root_.string() : (root_ / relative).string();
}

std::string TempTree::file(const std::string& relative, const std::string& contents,
                           bool executable) const {
    const fs::path where = root_ / relative;
    fs::create_directories(where.parent_path());
    std::ofstream(where, std::ios::binary) << contents;
    if (executable) {
        fs::permissions(where, fs::perms::owner_exec | fs::perms::group_exec,
                        fs::perm_options::add);
    }
    return where.string();
}

std::string TempTree::folder(const std::string& relative) const {
    fs::create_directories(root_ / relative);
    return (root_ / relative).string();
}

bool TempTree::writeFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
    return static_cast<bool>(out);
}

void TempTree::link(const std::string& relative, const std::string& target) const {
    fs::create_directories((root_ / relative).parent_path());
    fs::create_symlink(target, root_ / relative);
}

void SearchLog::attach(TRspFind& find) {
    const auto pumping = std::this_thread::get_id();
    find.OnFileFound = [this, pumping](TFindThread&, const std::string& directory,
                                       const TSearchRec& fileinfo) {
        eventOffPumpingThread |= std::this_thread::get_id() != pumping;
        found.push_back(pathInFolder(directory, fileinfo.Name));
    };
    find.OnChangeDirectory = [this, pumping](TFindThread&, const std::string& directory) {
        eventOffPumpingThread |= std::this_thread::get_id() != pumping;
        enteredFolders.push_back(directory);
    };
    find.OnCompleted = [this, pumping](TFindThread&) {
        eventOffPumpingThread |= std::this_thread::get_id() != pumping;
        ++completed;
    };
}

void pumpToEnd(PumpedDispatcher& dispatcher, TRspFind& find, std::chrono::milliseconds timeout) {
    ASSERT_TRUE(dispatcher.pumpUntil([&] { return !find.Searching(); }, timeout))
        << "the search did not end";
    find.WaitFor();
    dispatcher.runPending();
}

std::vector<std::string> sorted(std::vector<std::string> items) {
    std::sort(items.begin(), items.end());
    return items;
}

}  // namespace wendle::test
