#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "ScratchFolder.h"
#include "platform/Folders.h"

namespace wendle::platform {
namespace {

using testing::ScratchFolder;

class FoldersTest : public ::testing::Test {
  protected:
    ~FoldersTest() override { overrideProgramFolder(""); }
    ScratchFolder scratch;
};

TEST_F(FoldersTest, TheProgramFolderIsTheFolderOfTheRunningProgram) {
    const std::string folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    char exe[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    EXPECT_EQ(std::string(exe).rfind(folder, 0), 0u);
    EXPECT_EQ(std::string(exe).find('/', folder.size()), std::string::npos);
}

TEST_F(FoldersTest, AnOverriddenProgramFolderEndsInASeparator) {
    overrideProgramFolder(scratch / "program");
    EXPECT_EQ(programFolder(), scratch / "program/");
}

TEST_F(FoldersTest, AWritableProgramFolderHoldsTheWorkingFolders) {
    overrideProgramFolder(scratch.path());
    EXPECT_EQ(workingFolderLocation(), WorkingFolderLocation::ProgramFolder);
    EXPECT_EQ(workingFolderBase(), scratch.path());
}

TEST_F(FoldersTest, AnInstalledProgramUsesTheUsersDataFolder) {
    // A folder that cannot be written to: missing here, read-only for a user.
    const std::string installed = scratch / "installed";
    ::mkdir(installed.c_str(), 0555);
    overrideProgramFolder(::geteuid() == 0 ? scratch / "missing" : installed);

    EXPECT_EQ(workingFolderLocation(), WorkingFolderLocation::UserDataFolder);
    EXPECT_EQ(workingFolderBase(), scratch / "data/wendle/");
    EXPECT_TRUE(ScratchFolder::exists(scratch / "data/wendle"));
}

TEST_F(FoldersTest, UserFoldersFollowTheXdgVariablesAndIgnoreRelativeOnes) {
    EXPECT_EQ(userConfigFolder(), scratch / "config/wendle/");
    EXPECT_EQ(userDataFolder(), scratch / "data/wendle/");
    EXPECT_EQ(userCacheFolder(), scratch / "cache/wendle/");
    EXPECT_EQ(xdgDataHome(), scratch / "data/");

    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", scratch.path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(userConfigFolder(), scratch / ".config/wendle/");
    EXPECT_EQ(xdgDataHome(), scratch / ".local/share/");
    ::setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace wendle::platform
