#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FindFixture.h"
#include "browser/DirectDispatcher.h"
#include "browser/MountTable.h"
#include "browser/RspFind.h"

namespace wendle {
namespace {

TEST(MountTable, ReadsTheMountPointsOfMountInfo) {
    const MountTable table = MountTable::parse(
        "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
        "28 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
        "36 28 98:0 /mnt1 /mnt/with\\040space rw,noatime shared:1 - ext3 /dev/root rw\n"
        "broken line\n");
    EXPECT_TRUE(table.isMountPoint("/proc"));
    EXPECT_TRUE(table.isMountPoint("/"));
    EXPECT_TRUE(table.isMountPoint("/mnt/with space"));
    EXPECT_FALSE(table.isMountPoint("/mnt"));
    EXPECT_TRUE(table.anyBelow("/mnt"));
    EXPECT_TRUE(table.anyBelow("/"));
    EXPECT_FALSE(table.anyBelow("/proc"));
    EXPECT_FALSE(table.anyBelow("/mn"));
}

// In a mount namespace of its own (so nothing outlives the test), a memory
// file system is mounted inside a searched folder: the walk does not enter it.
TEST(MountedFileSystems, MemoryFileSystemInsideTheDriveIsNotEntered) {
    test::TempTree tree;
    tree.file("c/disk/seen.exe");
    tree.folder("c/memory");
    const std::string memory = tree.path("c/memory");
    const std::string seen = tree.path("c/disk/seen.exe");
    const std::string drive = tree.path("c");

    const pid_t child = fork();
    if (child == 0) {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("wendle-test", memory.c_str(), "tmpfs", 0, "size=1m") != 0) {
            _exit(77);
        }
        if (!test::TempTree::writeFile(memory + "/hidden.exe", "x"))
            _exit(3);
        DirectDispatcher direct;
        TRspFind find(direct);
        DriveMap drives;
        drives.setRoot('C', drive);
        find.setDriveMap(drives);
        std::vector<std::string> found;
        find.OnFileFound = [&](TFindThread&, const std::string& folder, const TSearchRec& info) {
            found.push_back(pathInFolder(folder, info.Name));
        };
        find.StartSearch();
        find.WaitFor();
        _exit(found == std::vector<std::string>{seen} ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no right to mount here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the walk reported other finds";
}

}  // namespace
}  // namespace wendle
