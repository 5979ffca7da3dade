#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <set>
#include <thread>

#include "FindFixture.h"
#include "browser/FileContentSearch.h"
#include "browser/RspFind.h"

namespace wendle {
namespace {

using test::pumpToEnd;
using test::SearchLog;
using test::sorted;
using test::TempTree;

constexpr std::size_t kBlock = FileContentSearch::kBlockLength;

bool folderFileContains(const TempTree& tree, const char* name, FileContentSearch& search) {
    const int folder = open(tree.path("").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    EXPECT_GE(folder, 0);
    std::atomic<bool> stop{false};
    struct stat info;
    EXPECT_EQ(fstatat(folder, name, &info, 0), 0);
    const auto result = search.fileContains(folder, name, std::uint64_t(info.st_size), false, stop);
    close(folder);
    EXPECT_EQ(result.error, 0);
    return result.found;
}

struct PlacedText {
    std::size_t offset;  // where "needle" begins in a file of 70000 bytes
};

class TextAcrossBlocks : public ::testing::TestWithParam<PlacedText> {};

// Blocks hold 32767 bytes and each after the first starts 6 bytes ("needle")
// before the end of the one before: the text is found wherever it lies,
// across either boundary included.
TEST_P(TextAcrossBlocks, IsFoundWhereverItLies) {
    TempTree tree;
    std::string contents(70000, '.');
    contents.replace(GetParam().offset, 6, "NeedLE");
    tree.file("data.bin", contents);
    FileContentSearch insensitive("needle", false);
    EXPECT_TRUE(folderFileContains(tree, "data.bin", insensitive));
    FileContentSearch sensitive("needle", true);
    EXPECT_FALSE(folderFileContains(tree, "data.bin", sensitive));
}

INSTANTIATE_TEST_SUITE_P(Offsets, TextAcrossBlocks,
                         ::testing::Values(PlacedText{0}, PlacedText{kBlock - 7},
                                           PlacedText{kBlock - 6}, PlacedText{kBlock - 4},
                                           PlacedText{kBlock - 1}, PlacedText{kBlock},
                                           PlacedText{2 * kBlock - 9}, PlacedText{2 * kBlock - 6},
                                           PlacedText{2 * kBlock - 3}, PlacedText{70000 - 6}));

struct FoldCase {
    const char* contents;
    const char* text;
    bool found;
};

class CaseFolding : public ::testing::TestWithParam<FoldCase> {};

// Only the letters A to Z match either case: the neighbours of the letters
// and bytes above 0x7F stay what they are, at any position in a block.
TEST_P(CaseFolding, FoldsOnlyAsciiLetters) {
    const FoldCase& c = GetParam();
    TempTree tree;
    for (std::size_t padding : {0, 3, 64}) {
        const std::string name = "f" + std::to_string(padding);
        tree.file(name, std::string(padding, '.') + c.contents + std::string(padding, '.'));
        FileContentSearch search(c.text, false);
        EXPECT_EQ(folderFileContains(tree, name.c_str(), search), c.found)
            << c.text << " with padding " << padding;
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, CaseFolding,
                         ::testing::Values(FoldCase{"ABCXYZ", "abcxyz", true},
                                           FoldCase{"abcxyz", "ABCXYZ", true},
                                           FoldCase{"@[", "`{", false}, FoldCase{"`{", "@[", false},
                                           FoldCase{"\xC1\xDA", "\xE1\xFA", false},
                                           FoldCase{"\xC1\xDA", "\xC1\xDA", true}));

TEST(FileContentSearch, TextLongerThanABlockIsFoundAndTheReadEnds) {
    TempTree tree;
    std::string text(40000, 'q');
    text += "end";
    std::string contents(100000, 'q');
    tree.file("without.bin", contents);
    contents.replace(50000, text.size(), std::string(text.size(), 'x'));
    contents.replace(30000, text.size(), text);
    tree.file("with.bin", contents);
    FileContentSearch search(text, true);
    EXPECT_TRUE(folderFileContains(tree, "with.bin", search));
    EXPECT_FALSE(folderFileContains(tree, "without.bin", search));
}

// Only plain files are read, never through a link; a folder whose name
// holds the text is no find.
TEST(ContainingText, OnlyPlainFilesThatHoldTheTextAreFound) {
    TempTree tree;
    std::string big(kBlock + 100, '-');
    big.replace(kBlock - 3, 6, "Needle");
    tree.file("c/big.txt", big);
    tree.file("c/small.txt", "a needle here");
    tree.file("c/none.txt", std::string(kBlock * 2, 'n'));
    tree.link("c/link.txt", "small.txt");
    tree.folder("c/needle");
    tree.file("c/sub/deep.txt", "NEEDLE");

    PumpedDispatcher dispatcher;
    TRspFind find(dispatcher);
    DriveMap drives;
    drives.setRoot('C', tree.path("c"));
    find.setDriveMap(drives);
    find.SetFileMask("*");
    find.SetContainingText("NEEDLE");
    SearchLog log;
    log.attach(find);
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    EXPECT_EQ(sorted(log.found), sorted({tree.path("c/big.txt"), tree.path("c/small.txt"),
                                         tree.path("c/sub/deep.txt")}));

    log.found.clear();
    find.SetCaseSensitive(true);
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    EXPECT_EQ(log.found, std::vector<std::string>{tree.path("c/sub/deep.txt")});
}

// The names of the files in `folder` that were opened while the watch ran.
class OpenWatch {
  public:
    explicit OpenWatch(const std::string& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0)
            inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
    }
    ~OpenWatch() {
        if (fd_ >= 0)
            close(fd_);
    }
    bool works() const { return fd_ >= 0; }
    std::set<std::string> opened() const {
        std::set<std::string> names;
        alignas(inotify_event) char buffer[8192];
        ssize_t count;
        while ((count = read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + count;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0)
                    names.insert(event->name);
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

  private:
    int fd_;
};

TEST(ContainingText, FileShorterThanTheTextIsNeverOpened) {
    TempTree tree;
    tree.file("c/short.txt", "needl");
    tree.file("c/long.txt", "a needle");
    OpenWatch watch(tree.path("c"));
    ASSERT_TRUE(watch.works());

    PumpedDispatcher dispatcher;
    TRspFind find(dispatcher);
    DriveMap drives;
    drives.setRoot('C', tree.path("c"));
    find.setDriveMap(drives);
    find.SetFileMask("*.txt");
    find.SetContainingText("needle");
    SearchLog log;
    log.attach(find);
    find.StartSearch();
    pumpToEnd(dispatcher, find);

    EXPECT_EQ(log.found, std::vector<std::string>{tree.path("c/long.txt")});
    const auto opened = watch.opened();
    EXPECT_EQ(opened.count("long.txt"), 1u);
    EXPECT_EQ(opened.count("short.txt"), 0u);
}

// A file written to while it is searched - a log, a download - is read only
// as far as it reached when the search opened it: what is added afterwards
// is not found, and a file that never stops growing cannot keep the search
// reading for ever.
TEST(ContainingText, AFileIsReadOnlyAsFarAsItReachedWhenOpened) {
    TempTree tree;
    const std::string path = tree.file("c/growing.log", "");
    // Long enough that the search is still reading when the writer adds.
    ASSERT_EQ(truncate(path.c_str(), 256 << 20), 0);
    const int watch = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, path.c_str(), IN_OPEN), 0);
    std::atomic<bool> appended{false};
    std::thread writer([&] {
        alignas(inotify_event) char event[sizeof(inotify_event) + 256];
        if (read(watch, event, sizeof event) <= 0)
            return;
        const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd >= 0 && write(fd, "needle", 6) == 6)
            appended = true;
        close(fd);
    });

    PumpedDispatcher dispatcher;
    TRspFind find(dispatcher);
    DriveMap drives;
    drives.setRoot('C', tree.path("c"));
    find.setDriveMap(drives);
    find.SetFileMask("*");
    find.SetContainingText("needle");
    SearchLog log;
    log.attach(find);
    find.StartSearch();
    pumpToEnd(dispatcher, find);
    writer.join();
    close(watch);

    EXPECT_TRUE(appended);
    EXPECT_EQ(log.completed, 1);
    EXPECT_TRUE(log.found.empty());
}

}  // namespace
}  // namespace wendle
