#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "FileLimit.h"
#include "ScratchFolder.h"
#include "platform/RegistryFileFormat.h"
#include "platform/RegistryStore.h"

namespace wendle::platform {
namespace {

using testing::ScratchFolder;

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RegistryStore, RootsAreTwoFilesInTheUsersConfigFolder) {
    ScratchFolder scratch;
    EXPECT_EQ(RegistryStore::filePathFor(RegistryRoot::CurrentUser),
              scratch / "config/wendle/current-user.reg");
    EXPECT_EQ(RegistryStore::filePathFor(RegistryRoot::LocalMachine),
              scratch / "config/wendle/local-machine.reg");
}

TEST(RegistryStore, ValuesWrittenByOneStoreAreReadByTheNext) {
    ScratchFolder scratch;
    const std::string file = RegistryStore::filePathFor(RegistryRoot::LocalMachine);
    {
        RegistryStore store(file);
        EXPECT_EQ(store.loadState(), RegistryStore::LoadState::Missing);
        store.edit().writeValue("Software\\W", "n", RegistryValue::integer(42));
        ASSERT_TRUE(store.flush());
    }
    RegistryStore again(file);
    EXPECT_EQ(again.loadState(), RegistryStore::LoadState::Loaded);
    EXPECT_EQ(again.read().readValue("software\\w", "N"), RegistryValue::integer(42));
    EXPECT_EQ(filesIn(scratch / "config/wendle"), std::vector<std::string>{"local-machine.reg"});
}

ino_t inodeOf(const std::string& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

// Every run saves its settings as it leaves; a run that changed none must
// not rewrite the file (and wait for the disk) to say the same again.
TEST(RegistryStore, ValuesSetAgainAsTheyWereLeaveTheFileAlone) {
    ScratchFolder scratch;
    const std::string file = RegistryStore::filePathFor(RegistryRoot::CurrentUser);
    {
        RegistryStore store(file);
        store.edit().writeValue("Software\\W", "n", RegistryValue::integer(42));
        ASSERT_TRUE(store.flush());
    }
    const ino_t first = inodeOf(file);
    ASSERT_NE(first, 0u);
    RegistryStore store(file);
    store.edit().writeValue("Software\\W", "n", RegistryValue::integer(42));
    ASSERT_TRUE(store.flush());
    EXPECT_FALSE(store.hasChanges());
    EXPECT_EQ(inodeOf(file), first) << "the same values, so the same file";

    store.edit().writeValue("Software\\W", "n", RegistryValue::integer(43));
    ASSERT_TRUE(store.flush());
    const ino_t second = inodeOf(file);
    EXPECT_NE(second, first) << "a changed value is written";
    store.edit().writeValue("Software\\W", "n", RegistryValue::integer(43));
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(inodeOf(file), second) << "what was last written counts as the file's";
    EXPECT_EQ(RegistryStore(file).read().readValue("software\\w", "N"), RegistryValue::integer(43));
}

TEST(RegistryStore, AFileThatIsNotOursGivesNoValuesAndIsKeptAsideBeforeBeingReplaced) {
    ScratchFolder scratch;
    const std::string file = scratch / "store.reg";
    const std::string foreign = "[K]\n\"v\"=dword:00000001\n";
    ScratchFolder::writeFile(file, foreign);

    RegistryStore store(file);
    EXPECT_EQ(store.loadState(), RegistryStore::LoadState::NotOurs);
    EXPECT_FALSE(store.read().readValue("K", "v").has_value());

    store.edit().writeValue("K", "w", RegistryValue::integer(2));
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(ScratchFolder::readFile(file + ".corrupt"), foreign);
    EXPECT_EQ(RegistryStore(file).loadState(), RegistryStore::LoadState::Loaded);
}

TEST(RegistryStore, AFileWithBadLinesKeepsItsGoodValues) {
    ScratchFolder scratch;
    const std::string file = scratch / "store.reg";
    const std::string damaged =
        "Wendle Registry Version 1\n[K]\n\"v\"=dword:0000000x\n\"w\"=str:\"kept\"\n";
    ScratchFolder::writeFile(file, damaged);

    RegistryStore store(file);
    EXPECT_EQ(store.loadState(), RegistryStore::LoadState::Repaired);
    EXPECT_EQ(store.read().readValue("K", "w"), RegistryValue::text("kept"));
    store.edit().writeValue("K", "x", RegistryValue::integer(1));
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(ScratchFolder::readFile(file + ".corrupt"), damaged);
}

// Something that is not a plain file in the store's place gives defaults at
// once (a named pipe would block an ordinary open for ever) and is never
// replaced by a flush.
TEST(RegistryStore, AFileThatCannotBeReadIsNeverOverwritten) {
    const struct {
        const char* name;
        int (*make)(const char* path);
        bool (*stillThere)(mode_t mode);
    } cases[] = {
        {"Folder", [](const char* path) { return ::mkdir(path, 0700); },
         [](mode_t mode) { return S_ISDIR(mode); }},
        {"NamedPipe", [](const char* path) { return ::mkfifo(path, 0600); },
         [](mode_t mode) { return S_ISFIFO(mode); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder scratch;
        const std::string file = scratch / "store.reg";
        ASSERT_EQ(c.make(file.c_str()), 0);

        RegistryStore store(file);
        EXPECT_EQ(store.loadState(), RegistryStore::LoadState::Unreadable);
        EXPECT_NE(store.loadFailure().message.find(file), std::string::npos);
        store.edit().writeValue("K", "v", RegistryValue::integer(1));
        IoResult flushed = store.flush();
        EXPECT_FALSE(flushed);
        EXPECT_NE(flushed.message.find(file), std::string::npos);
        struct stat info {};
        ASSERT_EQ(::lstat(file.c_str(), &info), 0);
        EXPECT_TRUE(c.stillThere(info.st_mode));
    }
}

// A file too large to be ours is set aside whole, and the settings of this
// and every later run are saved afresh.
TEST(RegistryStore, AnOversizedFileIsSetAsideAndTheStoreStartsAfresh) {
    ScratchFolder scratch;
    const std::string file = scratch / "store.reg";
    ScratchFolder::writeFile(file, std::string(RegistryFileFormat::kHeader) + "\n");
    const off_t size = off_t(RegistryStore::kSizeLimit) + 1;
    ASSERT_EQ(::truncate(file.c_str(), size), 0);

    RegistryStore store(file);
    EXPECT_EQ(store.loadState(), RegistryStore::LoadState::SetAside);
    struct stat info {};
    ASSERT_EQ(::stat((file + ".corrupt").c_str(), &info), 0);
    EXPECT_EQ(info.st_size, size);
    store.edit().writeValue("K", "v", RegistryValue::integer(7));
    ASSERT_TRUE(store.flush());
    RegistryStore again(file);
    EXPECT_EQ(again.loadState(), RegistryStore::LoadState::Loaded);
    EXPECT_EQ(again.read().readValue("K", "v"), RegistryValue::integer(7));
}

TEST(RegistryStore, AFailedWriteLeavesThePreviousFileAndNoTemporaryFile) {
    ScratchFolder scratch;
    const std::string file = scratch / "store.reg";
    {
        RegistryStore store(file);
        store.edit().writeValue("K", "v", RegistryValue::text("old"));
        ASSERT_TRUE(store.flush());
    }
    const std::string before = ScratchFolder::readFile(file);

    RegistryStore store(file);
    store.edit().writeValue("K", "v", RegistryValue::text(std::string(4096, 'n')));
    IoResult flushed;
    {
        testing::FileSizeLimit limit(before.size() + 100);
        flushed = store.flush();
    }
    EXPECT_FALSE(flushed);
    EXPECT_EQ(flushed.errorCode, EFBIG);
    EXPECT_EQ(ScratchFolder::readFile(file), before);
    EXPECT_EQ(filesIn(scratch.path()), std::vector<std::string>{"store.reg"});
    EXPECT_TRUE(store.hasChanges());  // a later flush may still succeed
    EXPECT_TRUE(store.flush());
}

TEST(RegistryStore, AFileInAMissingFolderIsCreatedWithTheFolder) {
    ScratchFolder scratch;
    const std::string file = scratch / "a/b/store.reg";
    RegistryStore store(file);
    store.edit().createKey("K");
    ASSERT_TRUE(store.flush());
    EXPECT_EQ(RegistryStore(file).loadState(), RegistryStore::LoadState::Loaded);
}

}  // namespace
}  // namespace wendle::platform
