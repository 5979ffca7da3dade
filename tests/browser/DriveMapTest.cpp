#include <gtest/gtest.h>

#include "browser/DriveMap.h"
#include "browser/FileList.h"

namespace wendle {
namespace {

struct FolderCase {
    char drive;
    const char* entry;
    const char* folder;  // nullptr: not searched in that drive's pass
};

class DirectoriesEntryTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(DirectoriesEntryTest, NamesTheFolderOfItsDrive) {
    DriveMap map;
    map.setRoot('C', "/c-root");
    map.setRoot('d', "/d-root/");
    const FolderCase& c = GetParam();
    const auto folder = map.folderFor(c.drive, c.entry);
    if (c.folder == nullptr) {
        EXPECT_FALSE(folder) << c.entry << " gave " << *folder;
    } else {
        ASSERT_TRUE(folder) << c.entry;
        EXPECT_EQ(*folder, c.folder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DirectoriesEntryTest,
    ::testing::Values(
        FolderCase{'C', "Program Files", "/c-root/Program Files"},
        FolderCase{'D', "\\Program Files", "/d-root/Program Files"},
        FolderCase{'C', "D:\\Tools", nullptr}, FolderCase{'D', "D:\\Tools", "/d-root/Tools"},
        FolderCase{'D', "d:/Tools/", "/d-root/Tools"}, FolderCase{'D', "D:", "/d-root"},
        FolderCase{'C', "ab:c", nullptr}, FolderCase{'C', "/media/a:b", "/c-root/media/a:b"},
        FolderCase{'C', "\\..\\..\\etc", "/c-root/etc"},
        FolderCase{'C', "a\\.\\b\\\\", "/c-root/a/b"}, FolderCase{'E', "Program Files", nullptr},
        FolderCase{'E', "E:\\Program Files", nullptr}));

TEST(DriveMap, DriveCIsTheRootOfTheTree) {
    const DriveMap map;
    EXPECT_EQ(map.letters(), "C");
    EXPECT_EQ(map.folderFor('c', "\\usr\\share"), "/usr/share");
    EXPECT_EQ(map.folderFor('C', "\\"), "/");
    EXPECT_EQ(pathInFolder("/", "bin"), "/bin");
    EXPECT_EQ(pathInFolder("/usr/bin", "env"), "/usr/bin/env");
}

struct FileListCase {
    const char* entry;
    bool names;
};

class FileListTest : public ::testing::TestWithParam<FileListCase> {};

// app.exe found in C:\Program Files\App, drive C being /c-root.
TEST_P(FileListTest, NamesAFindByNameOrPath) {
    const FileListCase& c = GetParam();
    const FileList list({c.entry});
    EXPECT_EQ(list.names("/c-root/Program Files/App", "app.exe", 'C', "/c-root"), c.names)
        << c.entry;
}

INSTANTIATE_TEST_SUITE_P(Entries, FileListTest,
                         ::testing::Values(FileListCase{"\\Program Files\\App\\app.exe", true},
                                           FileListCase{"Program Files\\App\\APP.EXE", true},
                                           FileListCase{"app.exe", true},
                                           FileListCase{"C:\\Program Files\\App\\app.exe", true},
                                           FileListCase{"D:\\Program Files\\App\\app.exe", false},
                                           FileListCase{"/c-root/Program Files/App/app.exe", true},
                                           FileListCase{"\\App\\app.exe", false},
                                           FileListCase{"app", false}));

TEST(FileList, DropsEmptyEntries) {
    EXPECT_TRUE(FileList({"", "\\\\"}).empty());
    EXPECT_EQ(FileList({"\\\\a\\b", ""}).entries(), std::vector<std::string>{"a/b"});
}

}  // namespace
}  // namespace wendle
