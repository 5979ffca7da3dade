#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ScratchFolder.h"
#include "platform/AtomicFile.h"

namespace wendle::platform {
namespace {

using testing::ScratchFolder;

mode_t modeOf(const std::string& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(AtomicFile, ANewFileGetsTheGivenModeAndAReplacedFileKeepsItsOwn) {
    ScratchFolder scratch;
    const std::string file = scratch / "f.txt";
    ASSERT_TRUE(writeFileAtomically(file, "one", 0640));
    EXPECT_EQ(modeOf(file), 0640u);
    ::chmod(file.c_str(), 0604);
    ASSERT_TRUE(writeFileAtomically(file, "two"));
    EXPECT_EQ(modeOf(file), 0604u);
    EXPECT_EQ(ScratchFolder::readFile(file), "two");
}

TEST(AtomicFile, AMissingFolderIsReportedWithTheSystemText) {
    ScratchFolder scratch;
    IoResult written = writeFileAtomically(scratch / "no/such/f.txt", "x");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.errorCode, ENOENT);
    EXPECT_NE(written.message.find("No such file or directory"), std::string::npos);
}

TEST(AtomicFile, ReadingTellsMissingFromFailed) {
    ScratchFolder scratch;
    EXPECT_EQ(readWholeFile(scratch / "none", 100).status, FileReadResult::Status::Missing);
    ScratchFolder::writeFile(scratch / "big", std::string(101, 'x'));
    EXPECT_EQ(readWholeFile(scratch / "big", 100).status, FileReadResult::Status::Failed);
    EXPECT_EQ(readWholeFile(scratch.path(), 100).status, FileReadResult::Status::Failed);
    auto read = readWholeFile(scratch / "big", 101);
    EXPECT_EQ(read.status, FileReadResult::Status::Read);
    EXPECT_EQ(read.contents.size(), 101u);
}

TEST(AtomicFile, ReadingRefusesAnythingButAPlainFileWithoutWaiting) {
    // A named pipe with no writer would block an ordinary open for ever.
    ScratchFolder scratch;
    const std::string pipe = scratch / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{pipe, kNotRegularFile}, Case{"/dev/null", kNotRegularFile},
                          Case{scratch.path(), systemErrorText(EISDIR)}}) {
        const FileReadResult read = readWholeFile(c.path, 100);
        EXPECT_EQ(read.status, FileReadResult::Status::Failed) << c.path;
        EXPECT_EQ(read.failure.reason, c.reason) << c.path;
    }
}

TEST(AtomicFile, WritingRefusesAnythingButAPlainFile) {
    ScratchFolder scratch;
    const std::string pipe = scratch / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const IoResult written = writeFileAtomically(pipe, "x");
    EXPECT_FALSE(written);
    EXPECT_EQ(written.message, pipe + ": " + kNotRegularFile);
    struct stat info {};
    ASSERT_EQ(::lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(AtomicFile, FoldersAreMadeWithTheirParents) {
    ScratchFolder scratch;
    EXPECT_TRUE(makeFolders(scratch / "a/b/c/"));
    EXPECT_TRUE(ScratchFolder::exists(scratch / "a/b/c"));
    ScratchFolder::writeFile(scratch / "file", "");
    EXPECT_FALSE(makeFolders(scratch / "file/sub"));
}

}  // namespace
}  // namespace wendle::platform
