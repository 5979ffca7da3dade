#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <future>

#include "FindFixture.h"
#include "browser/DirectDispatcher.h"
#include "browser/DriveMap.h"
#include "browser/PumpedDispatcher.h"
#include "browser/RspFind.h"

namespace wendle {
namespace {

using test::pumpToEnd;
using test::SearchLog;
using test::sorted;
using test::TempTree;

// Two drives, C and D, each a folder of the fixture.
class FindWalk : public ::testing::Test {
  protected:
    void SetUp() override {
        tree.file("c/Program Files/App/app.exe");
        tree.file("c/Program Files/Other/tool.exe");
        tree.file("c/Windows/notepad.exe");
        tree.file("c/readme.txt");
        tree.file("d/Program Files/App/app.exe");
        tree.file("d/Tools/t.exe");
        drives.setRoot('C', tree.path("c"));
        drives.setRoot('D', tree.path("d"));
        find.setDriveMap(drives);
        log.attach(find);
    }

    std::vector<std::string> relativeFinds() const {
        std::vector<std::string> relative;
        const std::string base = tree.path("") + "/";
        for (const auto& path : log.found) relative.push_back(path.substr(base.size()));
        return sorted(relative);
    }

    TempTree tree;
    DriveMap drives;
    PumpedDispatcher dispatcher;
    TRspFind find{dispatcher};
    SearchLog log;
};

struct WalkCase {
    const char* title;
    const char* drives;
    std::vector<std::string> directories;
    std::vector<std::string> files;
    std::vector<std::string> expected;
};

class FindWalkCases : public FindWalk, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(FindWalkCases, ReportsTheMatchingFiles) {
    const WalkCase& c = GetParam();
    find.SetDrives(c.drives);
    find.SetDirectories(c.directories);
    find.SetFiles(c.files);
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    EXPECT_EQ(relativeFinds(), sorted(c.expected));
    EXPECT_EQ(log.completed, 1);
    EXPECT_FALSE(log.eventOffPumpingThread);
}

INSTANTIATE_TEST_SUITE_P(
    Searches, FindWalkCases,
    ::testing::Values(
        WalkCase{"WholeDrive",
                 "C",
                 {},
                 {},
                 {"c/Program Files/App/app.exe", "c/Program Files/Other/tool.exe",
                  "c/Windows/notepad.exe"}},
        WalkCase{"FolderWithoutDriveOnEveryDrive",
                 "CD",
                 {"Program Files"},
                 {},
                 {"c/Program Files/App/app.exe", "c/Program Files/Other/tool.exe",
                  "d/Program Files/App/app.exe"}},
        WalkCase{"FolderWithDriveOnlyOnItsDrive", "CD", {"D:\\Tools"}, {}, {"d/Tools/t.exe"}},
        WalkCase{"FolderOfAnotherDriveIsSkipped", "C", {"D:\\Tools"}, {}, {}},
        WalkCase{"RepeatedDriveIsSearchedAgain",
                 "CC",
                 {"\\Windows"},
                 {},
                 {"c/Windows/notepad.exe", "c/Windows/notepad.exe"}},
        WalkCase{"FilesEntryWithLeadingBackslash",
                 "CD",
                 {},
                 {"\\Program Files\\App\\app.exe"},
                 {"c/Program Files/App/app.exe", "d/Program Files/App/app.exe"}},
        WalkCase{"FilesEntryWithDrive",
                 "CD",
                 {},
                 {"d:\\program files\\app\\APP.EXE"},
                 {"d/Program Files/App/app.exe"}},
        WalkCase{"DriveWithoutRootIsSkipped", "E", {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(FindWalk, MatchesAFolderBeforeWalkingItsSubfolders) {
    tree.file("c/top/x.exe");
    tree.file("c/top/z.exe");
    tree.file("c/top/sub/y.exe");
    tree.folder("c/top/dir.exe");  // a folder matching the mask is a find too
    find.SetDirectories({"top"});
    find.StartSearch();
    pumpToEnd(dispatcher, find);

    const std::string top = tree.path("c/top");
    ASSERT_EQ(sorted(log.found),
              sorted({top + "/x.exe", top + "/z.exe", top + "/dir.exe", top + "/sub/y.exe"}));
    EXPECT_EQ(log.found.back(), top + "/sub/y.exe");
    ASSERT_FALSE(log.enteredFolders.empty());
    EXPECT_EQ(log.enteredFolders.front(), top);
    EXPECT_EQ(sorted(log.enteredFolders), sorted({top, top + "/dir.exe", top + "/sub"}));
}

TEST_F(FindWalk, LinkLoopsAreReportedButNeverFollowed) {
    tree.file("c/a/found.exe");
    tree.link("c/a/loop.exe", "..");
    tree.link("c/a/self", ".");
    find.SetFileMask("*");
    find.SetDirectories({"a"});
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    const std::string a = tree.path("c/a");
    EXPECT_EQ(sorted(log.found), sorted({a + "/found.exe", a + "/loop.exe", a + "/self"}));
    EXPECT_EQ(log.enteredFolders, std::vector<std::string>{a});
    EXPECT_EQ(log.completed, 1);
}

// Runs `search` in a child process that, when this one is privileged, gives
// up its privileges first (a privileged user reads every folder). Returns
// the child's exit status (77 when `reachable` is out of its reach), or -1.
int exitStatusUnprivileged(const std::string& reachable, const std::function<int()>& search) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(100);
        if (access(reachable.c_str(), R_OK | X_OK) != 0)
            _exit(77);  // the fixture lies where this user cannot go
        _exit(search());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST_F(FindWalk, UnreadableFolderIsSkipped) {
    tree.file("c/locked/secret.exe");
    tree.file("c/open/seen.exe");
    ASSERT_EQ(chmod(tree.path("c/locked").c_str(), 0), 0);
    const std::string seen = tree.path("c/open/seen.exe");
    const int status = exitStatusUnprivileged(tree.path("c/open"), [&] {
        DirectDispatcher direct;
        TRspFind search(direct);
        search.setDriveMap(drives);
        std::vector<std::string> found;
        int completed = 0;
        search.OnFileFound = [&](TFindThread&, const std::string& folder, const TSearchRec& info) {
            found.push_back(pathInFolder(folder, info.Name));
        };
        search.OnCompleted = [&](TFindThread&) { ++completed; };
        search.SetDirectories({"locked", "open"});
        search.StartSearch();
        search.WaitFor();
        if (completed != 1)
            return 1;
        return found == std::vector<std::string>{seen} ? 0 : 2;
    });
    if (status == 77)
        GTEST_SKIP() << "the fixture is out of an unprivileged user's reach";
    EXPECT_EQ(status, 0) << "1: no completion, 2: other finds, 100: could not drop privileges";
}

// Enough folders that the walk is still going when it is stopped.
void makeManyFolders(const TempTree& tree) {
    for (int i = 0; i < 300; ++i) tree.file("c/many/f" + std::to_string(i) + "/hit.exe");
}

TEST_F(FindWalk, StoppedSearchDeliversNothingMoreAndNoCompletion) {
    makeManyFolders(tree);
    find.OnFileFound = [&](TFindThread&, const std::string& directory, const TSearchRec& info) {
        log.found.push_back(pathInFolder(directory, info.Name));
        find.StopSearch();
    };
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    EXPECT_EQ(log.found.size(), 1u);
    EXPECT_EQ(log.completed, 0);
}

bool waitForQueuedCall(const PumpedDispatcher& dispatcher) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (dispatcher.queued() == 0) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

// The user-interface thread stops a search and waits for it while one of its
// events is still queued: the worker gives the event up instead of waiting
// for a thread that is waiting for it.
TEST_F(FindWalk, StoppingWhileAnEventIsQueuedNeedsNoPumping) {
    makeManyFolders(tree);
    find.StartSearch();
    ASSERT_TRUE(waitForQueuedCall(dispatcher));
    // From here on nothing is pumped until the worker has ended.
    find.StopSearch();
    auto ended = std::async(std::launch::async, [&] { find.WaitFor(); });
    const bool endedInTime = ended.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!endedInTime)
        pumpToEnd(dispatcher, find);  // unblock it, then fail
    EXPECT_TRUE(endedInTime);
    const std::size_t foundAtStop = log.found.size();
    dispatcher.runPending();
    EXPECT_EQ(log.found.size(), foundAtStop);
    EXPECT_EQ(log.completed, 0);
}

TEST_F(FindWalk, NewStartStopsAndAwaitsTheRunningSearch) {
    makeManyFolders(tree);
    find.SetDirectories({"many"});
    std::vector<TFindThread*> senders;
    find.OnCompleted = [&](TFindThread& sender) {
        ++log.completed;
        senders.push_back(&sender);
    };
    find.StartSearch();
    ASSERT_TRUE(dispatcher.pumpUntil([&] { return !log.found.empty(); }, std::chrono::seconds(60)));
    log.found.clear();
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    EXPECT_EQ(log.completed, 1);
    EXPECT_EQ(log.found.size(), 300u);
}

TEST_F(FindWalk, StartFromInsideItsOwnEventRestartsTheSearch) {
    makeManyFolders(tree);
    find.SetDirectories({"many"});
    int starts = 0;
    find.OnFileFound = [&](TFindThread&, const std::string&, const TSearchRec&) {
        if (starts++ == 0)
            find.StartSearch();
    };
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    EXPECT_EQ(starts, 301);
    EXPECT_EQ(log.completed, 1);
}

TEST_F(FindWalk, TwoSearchesAtOnceLeaveTheCurrentFolderAlone) {
    makeManyFolders(tree);
    const auto here = std::filesystem::current_path();
    TRspFind other(dispatcher);
    other.setDriveMap(drives);
    SearchLog otherLog;
    otherLog.attach(other);
    bool moved = false;
    auto watch = [&](TFindThread&, const std::string&) {
        moved |= std::filesystem::current_path() != here;
    };
    find.OnChangeDirectory = watch;
    other.OnChangeDirectory = watch;
    find.SetDrives("C");
    other.SetDrives("CD");
    find.StartSearch();
    other.StartSearch();
    ASSERT_TRUE(dispatcher.pumpUntil([&] { return !find.Searching() && !other.Searching(); },
                                     std::chrono::seconds(60)));
    EXPECT_FALSE(moved);
    EXPECT_EQ(std::filesystem::current_path(), here);
    EXPECT_EQ(log.completed, 1);
    EXPECT_EQ(otherLog.completed, 1);
    EXPECT_EQ(log.found.size(), 303u);
    EXPECT_EQ(otherLog.found.size(), 305u);
}

TEST(RspFind, FixedDrivesAreTheMappedRootsOnADisk) {
    PumpedDispatcher dispatcher;
    TRspFind find(dispatcher);
    EXPECT_EQ(find.GetFixedDrives(), "C");
    DriveMap drives;
    drives.setRoot('E', "/");
    drives.setRoot('F', "/no/such/folder");
    drives.setRoot('G', "/proc");
    find.setDriveMap(drives);
    EXPECT_EQ(find.GetFixedDrives(), "CE");
}

}  // namespace
}  // namespace wendle
