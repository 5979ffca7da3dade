#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

#include "ScratchFolder.h"
#include "platform/Shell.h"

namespace wendle::platform {
namespace {

using testing::ScratchFolder;

// Children of this process that have ended but were never collected.
int zombieChildren() {
    int zombies = 0;
    const std::string self = std::to_string(::getpid());
    DIR* proc = ::opendir("/proc");
    while (dirent* entry = proc ? ::readdir(proc) : nullptr) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // pid (name) state ppid ...
        auto close = line.rfind(')');
        if (close == std::string::npos || close + 4 > line.size())
            continue;
        char state = line[close + 2];
        std::string rest = line.substr(close + 4);
        std::string parent = rest.substr(0, rest.find(' '));
        if (parent == self && state == 'Z')
            ++zombies;
    }
    if (proc)
        ::closedir(proc);
    return zombies;
}

TEST(Shell, StartsAProgramWithOneArgumentInItsWorkingFolderAndCollectsIt) {
    ScratchFolder scratch;
    const std::string program = scratch / "browser";
    ScratchFolder::writeScript(program,
                               "pwd > \"$0.out\"; printf '%s|%s' \"$#\" \"$1\" >> \"$0.out\"\n");
    const std::string work = scratch / "Applet Temp";
    ::mkdir(work.c_str(), 0700);

    // Quotes, blanks and a semicolon reach the program untouched: no shell in between.
    const std::string argument = "Applet Temp.html; rm -rf \"x\" $HOME";
    ASSERT_TRUE(Shell().startProgram(program, argument, work));

    ASSERT_TRUE(ScratchFolder::eventually(
        [&] { return ScratchFolder::readFile(program + ".out").find('|') != std::string::npos; }));
    EXPECT_EQ(ScratchFolder::readFile(program + ".out"), work + "\n1|" + argument);
    EXPECT_TRUE(ScratchFolder::eventually([] { return zombieChildren() == 0; }));
}

TEST(Shell, AProgramThatCannotStartIsReportedWithTheSystemText) {
    ScratchFolder scratch;
    IoResult missing = Shell().startProgram(scratch / "no-such-browser", "x", "");
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.errorCode, ENOENT);
    EXPECT_EQ(missing.message, scratch / "no-such-browser: No such file or directory");

    IoResult notOnPath = Shell("no-such-opener-program").open(scratch.path());
    EXPECT_FALSE(notOnPath);
    EXPECT_EQ(notOnPath.errorCode, ENOENT);

    ScratchFolder::writeFile(scratch / "plain", "not a program");
    IoResult notExecutable = Shell().startProgram(scratch / "plain", "x", "");
    EXPECT_EQ(notExecutable.errorCode, EACCES);
}

TEST(Shell, AWorkingFolderThatCannotBeEnteredIsNamed) {
    ScratchFolder scratch;
    IoResult started = Shell().startProgram("/bin/true", "x", scratch / "gone");
    EXPECT_FALSE(started);
    EXPECT_EQ(started.message, scratch / "gone: No such file or directory");
}

class ShellOpen : public ::testing::Test {
  protected:
    ShellOpen() { ScratchFolder::writeScript(opener, "printf '%s' \"$1\" > \"$0.args\"\n"); }
    std::string openedArgument() {
        EXPECT_TRUE(
            ScratchFolder::eventually([&] { return ScratchFolder::exists(opener + ".args"); }));
        EXPECT_TRUE(ScratchFolder::eventually([] { return zombieChildren() == 0; }));
        return ScratchFolder::readFile(opener + ".args");
    }
    ScratchFolder scratch;
    std::string opener = scratch / "opener";
    Shell shell{opener};
};

TEST_F(ShellOpen, HandsFilesFoldersAndPagesToTheDesktopsOpener) {
    ScratchFolder::writeFile(scratch / "Samples.html", "");
    ASSERT_TRUE(shell.open(scratch / "Samples.html"));
    EXPECT_EQ(openedArgument(), scratch / "Samples.html");
}

TEST_F(ShellOpen, PagesArePassedAsTheyAre) {
    ASSERT_TRUE(shell.open("https://example.com/a?b=c&d"));
    EXPECT_EQ(openedArgument(), "https://example.com/a?b=c&d");
}

TEST_F(ShellOpen, ANameThatLooksLikeAnOptionIsPassedAsAPath) {
    char* previous = ::getcwd(nullptr, 0);
    ASSERT_EQ(::chdir(scratch.path().c_str()), 0);
    ScratchFolder::writeFile(scratch / "-x.html", "");
    IoResult opened = shell.open("-x.html");
    ::chdir(previous);
    std::free(previous);
    ASSERT_TRUE(opened);
    EXPECT_EQ(openedArgument(), "./-x.html");
}

TEST_F(ShellOpen, AMissingFileIsReportedWithoutStartingTheOpener) {
    IoResult opened = shell.open(scratch / "Required Files");
    EXPECT_FALSE(opened);
    EXPECT_EQ(opened.message, scratch / "Required Files: No such file or directory");
    EXPECT_FALSE(ScratchFolder::exists(opener + ".args"));
}

}  // namespace
}  // namespace wendle::platform
