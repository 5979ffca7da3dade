// The walk against trees and processes at their limits: folders nested far
// deeper than a call stack or a path allows, a process with almost no
// descriptors left, folders it may not read.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FindFixture.h"
#include "browser/DirectDispatcher.h"
#include "browser/DriveMap.h"
#include "browser/RspFind.h"

namespace wendle {
namespace {

using test::sorted;
using test::TempTree;

void makeFile(int folder, const char* name) {
    const int fd = openat(folder, name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << name;
    close(fd);
}

// A side folder `name` holding one file `file`.
void makeSideFolder(int folder, const std::string& name, const char* file) {
    ASSERT_EQ(mkdirat(folder, name.c_str(), 0755), 0);
    const int side = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(side, 0);
    makeFile(side, file);
    close(side);
}

// `levels` folders named "d", each inside the one before, below `top`;
// `atLevel` runs in each with the folder open and its level (1 = top/d).
// Never more than two folders open, never a path longer than one name.
void buildChain(const std::string& top, int levels,
                const std::function<void(int folder, int level)>& atLevel) {
    int fd = open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    for (int level = 1; level <= levels; ++level) {
        ASSERT_EQ(mkdirat(fd, "d", 0755), 0) << level;
        const int next = openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(next, 0) << level;
        close(fd);
        fd = next;
        atLevel(fd, level);
    }
    close(fd);
}

// Empties an open folder of its files and of side folders holding files.
void emptyFolderButChain(int folder) {
    const int listing = dup(folder);
    DIR* dir = fdopendir(listing);
    ASSERT_NE(dir, nullptr);
    std::vector<std::pair<std::string, bool>> entries;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && name != "d")
            entries.emplace_back(name, entry->d_type == DT_DIR);
    }
    closedir(dir);
    for (const auto& [name, isFolder] : entries) {
        if (isFolder) {
            const int side = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            emptyFolderButChain(side);
            close(side);
            unlinkat(folder, name.c_str(), AT_REMOVEDIR);
        } else {
            unlinkat(folder, name.c_str(), 0);
        }
    }
}

// Removes the chain below `top`: down to its bottom, then up through ".."
// removing each folder on the way, one descriptor at a time.
void removeChain(const std::string& top) {
    int fd = open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    std::size_t depth = 0;
    for (;;) {
        const int next = openat(fd, "d", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            break;
        close(fd);
        fd = next;
        ++depth;
    }
    for (; depth > 0; --depth) {
        emptyFolderButChain(fd);
        const int parent = openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        close(fd);
        if (parent < 0)
            return;
        fd = parent;
        unlinkat(fd, "d", AT_REMOVEDIR);
    }
    close(fd);
}

std::string chainPath(const std::string& top, int level) {
    std::string path = top;
    path.reserve(top.size() + 2 * std::size_t(level));
    for (int i = 0; i < level; ++i) path += "/d";
    return path;
}

// A drive whose root is a folder of the fixture, with a chain of folders.
class DeepTree : public ::testing::Test {
  protected:
    void TearDown() override { removeChain(top); }

    // Builds the chain with "deep.exe" at its bottom and, at the levels
    // given, a side folder "s" + level holding "side.exe". Returns the
    // paths the search must report.
    std::vector<std::string> build(int levels, const std::vector<int>& sideLevels) {
        std::vector<std::string> expected{top + "/top.exe"};
        TempTree::writeFile(top + "/top.exe", "");
        buildChain(top, levels, [&](int folder, int level) {
            for (int side : sideLevels) {
                if (side == level) {
                    const std::string name = "s" + std::to_string(level);
                    makeSideFolder(folder, name, "side.exe");
                    expected.push_back(chainPath(top, level) + "/" + name + "/side.exe");
                }
            }
            if (level == levels) {
                makeFile(folder, "deep.exe");
                expected.push_back(chainPath(top, level) + "/deep.exe");
            }
        });
        return sorted(expected);
    }

    TempTree tree{test::memoryFolderForFixtures()};
    std::string top = tree.folder("c");
};

struct Outcome {
    std::vector<std::string> found;
    std::vector<std::pair<std::string, int>> skipped;
    int completed = 0;
    std::size_t skippedCount = 0;
};

Outcome searchDrive(const std::string& root, std::optional<unsigned> helpers = std::nullopt) {
    DirectDispatcher direct;
    TRspFind find(direct);
    DriveMap drives;
    drives.setRoot('C', root);
    find.setDriveMap(drives);
    find.setScanHelpers(helpers);
    Outcome outcome;
    find.OnFileFound = [&](TFindThread&, const std::string& folder, const TSearchRec& info) {
        outcome.found.push_back(pathInFolder(folder, info.Name));
    };
    find.OnSkipped = [&](TFindThread&, const std::string& path, int error) {
        outcome.skipped.emplace_back(path, error);
    };
    find.OnCompleted = [&](TFindThread&) { ++outcome.completed; };
    find.StartSearch();
    find.WaitFor();
    outcome.skippedCount = find.Skipped();
    outcome.found = sorted(outcome.found);
    return outcome;
}

// Far deeper than any call stack and any path the kernel takes in one
// piece; side folders make the walk come back up to folders it has let go
// of, and open them again by a path tens of thousands of bytes long.
TEST_F(DeepTree, EveryLevelOfAVeryDeepTreeIsSearched) {
    const auto expected = build(17600, {1, 900, 4000, 9000, 17000, 17599});
    const Outcome outcome = searchDrive(top);
    EXPECT_EQ(outcome.completed, 1);
    EXPECT_TRUE(outcome.skipped.empty()) << outcome.skipped.front().first.substr(0, 200);
    ASSERT_EQ(outcome.found.size(), expected.size());
    EXPECT_TRUE(outcome.found == expected);  // paths of 35 KB: no printing
}

// Runs `body` in a child process with every descriptor but the standard
// three closed and room for `spare` more. Returns its exit status, or -1.
int exitStatusWithDescriptors(int spare, const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close_range(3, ~0U, 0);
        const rlim_t limit = rlim_t(3 + spare);
        const rlimit low{limit, limit};
        if (setrlimit(RLIMIT_NOFILE, &low) != 0)
            _exit(100);
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

struct DescriptorCase {
    const char* title;
    int spare;
    bool everythingFound;  // otherwise only top.exe, and top/d is skipped
};

class ShortOfDescriptors : public DeepTree, public ::testing::WithParamInterface<DescriptorCase> {};

// A walk needs two descriptors at a time however deep it goes; with fewer,
// what it cannot open is reported, and the search still completes.
TEST_P(ShortOfDescriptors, FindsEverythingItCanOpenAndReportsTheRest) {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers' runtime opens descriptors of its own in the child
    // (its reports read the process's memory map), so the count is not the
    // walk's alone.
    GTEST_SKIP() << "descriptor counts are not exact under the sanitizers";
#endif
    const DescriptorCase& c = GetParam();
    const auto expected = build(3000, {2, 100, 1500, 2999});
    const std::string top = this->top;
    const int status = exitStatusWithDescriptors(c.spare, [&] {
        const Outcome outcome = searchDrive(top);
        if (outcome.completed != 1)
            return 1;
        if (c.everythingFound) {
            if (outcome.found != expected)
                return 2;
            return outcome.skipped.empty() && outcome.skippedCount == 0 ? 0 : 3;
        }
        if (outcome.found != std::vector<std::string>{top + "/top.exe"})
            return 2;
        const std::vector<std::pair<std::string, int>> skipped{{top + "/d", EMFILE}};
        return outcome.skipped == skipped && outcome.skippedCount == 1 ? 0 : 3;
    });
    EXPECT_EQ(status, 0) << "1: no completion, 2: other finds, 3: other skips, 100: no limit";
}

INSTANTIATE_TEST_SUITE_P(Limits, ShortOfDescriptors,
                         ::testing::Values(DescriptorCase{"OneSpare", 1, false},
                                           DescriptorCase{"TwoSpare", 2, true},
                                           DescriptorCase{"FourSpare", 4, true}),
                         [](const auto& info) { return std::string(info.param.title); });

// What the events of a search of `root` report, in order.
std::vector<std::string> eventsOfSearch(const std::string& root, unsigned helpers,
                                        const std::string& containing) {
    DirectDispatcher direct;
    TRspFind find(direct);
    DriveMap drives;
    drives.setRoot('C', root);
    find.setDriveMap(drives);
    find.setScanHelpers(helpers);
    find.SetFileMask("*");
    find.SetContainingText(containing);
    std::vector<std::string> events;
    find.OnFileFound = [&](TFindThread&, const std::string& folder, const TSearchRec& info) {
        events.push_back("found " + pathInFolder(folder, info.Name));
    };
    find.OnChangeDirectory = [&](TFindThread&, const std::string& folder) {
        events.push_back("enter " + folder);
    };
    find.OnSkipped = [&](TFindThread&, const std::string& path, int error) {
        events.push_back("skipped " + path + " " + std::to_string(error));
    };
    find.StartSearch();
    find.WaitFor();
    return events;
}

// Helpers scan folders ahead of the walk; what the events report, and in
// which order, is the same with none, one or three of them.
void expectSameEventsWithAnyHelpers(const std::string& root, const std::string& containing,
                                    std::size_t atLeast) {
    const auto alone = eventsOfSearch(root, 0, containing);
    EXPECT_GE(alone.size(), atLeast);
    EXPECT_TRUE(eventsOfSearch(root, 1, containing) == alone);
    EXPECT_TRUE(eventsOfSearch(root, 3, containing) == alone);
}

struct OrderCase {
    const char* title;
    const char* containing;
};

class StableOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(StableOrder, EventsComeInTheSameOrderWithAnyNumberOfHelpers) {
    TempTree tree;
    for (int a = 0; a < 6; ++a) {
        for (int b = 0; b < 7; ++b) {
            const std::string folder = "c/a" + std::to_string(a) + "/b" + std::to_string(b);
            for (int f = 0; f < 5; ++f) {
                tree.file(folder + "/f" + std::to_string(f) + ".exe",
                          (a + b + f) % 3 == 0 ? "a needle" : "hay");
            }
            tree.folder(folder + "/empty" + std::to_string(b));
        }
    }
    expectSameEventsWithAnyHelpers(tree.path("c"), GetParam().containing, 6 * 7 * 2);
}

INSTANTIATE_TEST_SUITE_P(Searches, StableOrder,
                         ::testing::Values(OrderCase{"ByName", ""},
                                           OrderCase{"ByContents", "needle"}),
                         [](const auto& info) { return std::string(info.param.title); });

// Some subfolders are left to the walk alone - those below which another
// file system is mounted, those whose paths are too long for a helper -
// while their neighbours are scanned ahead.
// /dev mixes mount points and special files with folders, but other tests
// create and remove files under it (shared memory, terminals) while this one
// runs. The helpers' events count only when two plain walks around them
// agree, so /dev did not change in between.
void expectSameEventsWithAnyHelpersInALiveFolder(const std::string& root) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        const auto before = eventsOfSearch(root, 0, "");
        const auto oneHelper = eventsOfSearch(root, 1, "");
        const auto threeHelpers = eventsOfSearch(root, 3, "");
        if (eventsOfSearch(root, 0, "") != before)
            continue;
        EXPECT_GE(before.size(), 4u);
        EXPECT_TRUE(oneHelper == before);
        EXPECT_TRUE(threeHelpers == before);
        return;
    }
    GTEST_SKIP() << root << " kept changing while it was searched";
}

TEST(StableOrder, FoldersOnlyTheWalkScansMixWithTheOthers) {
    expectSameEventsWithAnyHelpersInALiveFolder("/dev");

    TempTree tree(test::memoryFolderForFixtures());
    std::string parent = "c";
    for (int level = 0; level < 14; ++level) parent += "/" + std::string(199, char('a' + level));
    for (int i = 0; i < 8; ++i) {
        tree.file(parent + "/s" + std::to_string(i) + "/x.exe");
        tree.file(parent + "/" + std::string(250, 'L') + std::to_string(i) + "/x.exe");
    }
    ASSERT_GT(tree.path(parent).size() + 250, 3000u);
    expectSameEventsWithAnyHelpers(tree.path("c"), "", 16 * 2);
}

// However the work is shared out, a search of a real tree finds what a
// plain walk of it finds: every entry whose name matches, links not
// followed, nothing twice.
TEST(RealTree, FindsWhatAPlainWalkFinds) {
    const std::string root = "/usr";
    std::vector<std::string> walked;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(
             root, std::filesystem::directory_options::skip_permission_denied, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 2 && name[name.size() - 2] == '.' &&
            (name.back() == 'h' || name.back() == 'H'))
            walked.push_back(it->path().string());
    }
    ASSERT_FALSE(error) << error.message();
    ASSERT_GT(walked.size(), 100u) << "too little in " << root << " to tell";

    DirectDispatcher direct;
    TRspFind find(direct);
    DriveMap drives;
    drives.setRoot('C', root);
    find.setDriveMap(drives);
    find.SetFileMask("*.h");
    find.SetFileDetails(false);
    std::vector<std::string> found;
    find.OnFileFound = [&](TFindThread&, const std::string& folder, const TSearchRec& info) {
        found.push_back(pathInFolder(folder, info.Name));
    };
    find.StartSearch();
    find.WaitFor();
    EXPECT_EQ(find.Skipped(), 0u);
    EXPECT_TRUE(sorted(found) == sorted(walked))
        << found.size() << " found, " << walked.size() << " walked";
}

#ifdef WENDLE_CLI
// Runs wendle-cli find as an unprivileged user; returns the exit status and
// what it wrote on its two outputs.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

CliRun runCliUnprivileged(const std::vector<std::string>& args, const TempTree& tree) {
    const std::string out = tree.path("out.txt");
    const std::string err = tree.path("err.txt");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (outFd < 0 || errFd < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0)
            _exit(120);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(121);
        std::vector<char*> argv{const_cast<char*>(WENDLE_CLI)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(WENDLE_CLI, argv.data());
        _exit(122);
    }
    CliRun run;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = contentsOf(out);
    run.err = contentsOf(err);
    return run;
}

// A list that may be incomplete is no success.
TEST(FindCommand, NamesWhatItCouldNotSearchAndFails) {
    TempTree tree;
    chmod(tree.path("").c_str(), 0755);
    tree.file("c/open/seen.exe");
    tree.file("c/locked/secret.exe");
    ASSERT_EQ(chmod(tree.path("c/locked").c_str(), 0), 0);
    const CliRun run = runCliUnprivileged({"find", tree.path("c"), "*.exe"}, tree);
    if (run.status == 121)
        GTEST_SKIP() << "could not give up privileges";
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, tree.path("c/open/seen.exe") + "\n");
    EXPECT_EQ(run.err,
              "wendle-cli find: " + tree.path("c/locked") + ": " + std::strerror(EACCES) + "\n");

    ASSERT_EQ(chmod(tree.path("c/locked").c_str(), 0755), 0);
    const CliRun whole = runCliUnprivileged({"find", tree.path("c"), "*.exe"}, tree);
    EXPECT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(whole.err, "");
}
#endif

}  // namespace
}  // namespace wendle
