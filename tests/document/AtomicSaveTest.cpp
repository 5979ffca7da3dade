#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "DocumentTestSupport.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"

namespace wendle::document {
namespace {

using test::readFile;
using test::TempFolder;

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

std::unique_ptr<TVelkForm> documentWithButtons(int buttons) {
    auto applet = newDocumentApplet();
    for (int i = 0; i < buttons; ++i) {
        const int slot = applet->CreateMenuItem().slot;
        applet->statePanel(1, slot)->setCaption("Button\r\nwith two lines");
        applet->statePanel(1, slot)->setLink("page" + std::to_string(i) + ".html");
    }
    return applet;
}

// What a save in a child process reported.
struct ChildSave {
    bool saved = false;
    bool modified = false;
    std::string message;
};

// Saves in a child process whose files may not grow beyond `limit` bytes, so
// the write fails part of the way, as on a full disk. The child keeps the
// default action of SIGXFSZ, as a program started under "ulimit -f" has it:
// the save itself must keep the signal from ending the process.
ChildSave saveWithFileSizeLimit(TVelkForm& applet, rlim_t limit) {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        AppletDocumentHost host;
        const SaveResult result = writeDocument(applet, host);
        const std::string report = std::string(result.saved() ? "1" : "0") +
                                   (applet.modified() ? "1" : "0") + result.message;
        const bool told =
            ::write(channel[1], report.data(), report.size()) == ssize_t(report.size());
        ::_exit(told ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[512];
    ssize_t got;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, std::size_t(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return {false, false, "ended by signal " + std::to_string(WTERMSIG(status))};
    if (report.size() < 2)
        return {};
    return {report[0] == '1', report[1] == '1', report.substr(2)};
}

struct FailingWriteCase {
    const char* name;
    int buttons;
    // Bytes the new file may reach, as a share of the whole document.
    double share;
};

class FailingWrite : public ::testing::TestWithParam<FailingWriteCase> {};

TEST_P(FailingWrite, LeavesThePreviousDocumentAsItWasAndSaysWhy) {
    const FailingWriteCase& c = GetParam();
    TempFolder folder;
    const std::string target = folder.file("bar.wdf");
    const std::string previous = "Wendle File\r\nthe previous document\r\n";
    test::writeFile(target, previous);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);

    auto applet = documentWithButtons(c.buttons);
    applet->setDocumentPath(target);
    const std::size_t size = composeDocument(*documentWithButtons(c.buttons)).bytes.size();
    if (c.buttons == 1) {
        ASSERT_LT(size, 16u * 1024u);
    } else {
        ASSERT_GT(size, 64u * 1024u);
    }
    const auto limit = rlim_t(double(size) * c.share);

    const ChildSave save = saveWithFileSizeLimit(*applet, limit);
    EXPECT_FALSE(save.saved);
    EXPECT_TRUE(save.modified);
    EXPECT_EQ(save.message, "Could not save '" + target + "': " + std::strerror(EFBIG));
    EXPECT_EQ(readFile(target), previous);
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"bar.wdf"}) << "temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Limits, FailingWrite,
                         ::testing::Values(FailingWriteCase{"SmallDocumentNoRoomAtAll", 1, 0.0},
                                           FailingWriteCase{"SmallDocumentHalfWritten", 1, 0.5},
                                           FailingWriteCase{"SmallDocumentAllButTheLastByte", 1,
                                                            0.9999},
                                           FailingWriteCase{"LargeDocumentFirstBlock", 99, 0.01},
                                           FailingWriteCase{"LargeDocumentAlmostAll", 99, 0.999}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicSave, ThePlainSaveWithTheSameLimitSucceeds) {
    // The limit itself is no obstacle when the document fits.
    TempFolder folder;
    auto applet = documentWithButtons(1);
    applet->setDocumentPath(folder.file("fits.wdf"));
    const std::size_t size = composeDocument(*documentWithButtons(1)).bytes.size();
    const ChildSave save = saveWithFileSizeLimit(*applet, rlim_t(size));
    EXPECT_TRUE(save.saved) << save.message;
    EXPECT_EQ(readFile(folder.file("fits.wdf")).size(), size);
}

TEST(AtomicSave, ReplacesTheDocumentKeepingItsPermissions) {
    TempFolder folder;
    const std::string target = folder.file("keep.wdf");
    test::writeFile(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
    auto applet = documentWithButtons(2);
    applet->setDocumentPath(target);
    AppletDocumentHost host;

    const SaveResult result = writeDocument(*applet, host);
    ASSERT_TRUE(result.saved()) << result.message;
    EXPECT_FALSE(applet->modified());
    EXPECT_EQ(modeOf(target), 0604u);
    EXPECT_EQ(readFile(target).substr(0, 13), "Wendle File\r\n");
    EXPECT_EQ(host.recentDocuments(), std::vector<std::string>{target});
    EXPECT_EQ(host.htmlLines().size(), 8u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"keep.wdf"});
}

TEST(AtomicSave, ANewFileGetsTheBitsTheUmaskAllows) {
    TempFolder folder;
    const mode_t mask = ::umask(022);
    auto applet = documentWithButtons(0);
    applet->setDocumentPath(folder.file("new.wdf"));
    AppletDocumentHost host;
    const bool saved = writeDocument(*applet, host).saved();
    ::umask(mask);
    ASSERT_TRUE(saved);
    EXPECT_EQ(modeOf(folder.file("new.wdf")), 0644u);
}

TEST(AtomicSave, AFolderInTheWayIsReportedAndLeftAlone) {
    TempFolder folder;
    const std::string target = folder.file("folder.wdf");
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    test::writeFile(target + "/inside", "x");
    auto applet = documentWithButtons(1);
    applet->setDocumentPath(target);
    AppletDocumentHost host;

    const SaveResult result = writeDocument(*applet, host);
    EXPECT_EQ(result.outcome, SaveOutcome::Failed);
    EXPECT_EQ(result.message, "Could not save '" + target + "': " + std::strerror(EISDIR));
    EXPECT_EQ(host.messages(), std::vector<std::string>{result.message});
    EXPECT_TRUE(applet->modified());
    EXPECT_TRUE(host.recentDocuments().empty());
    EXPECT_EQ(readFile(target + "/inside"), "x");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"folder.wdf"});
}

TEST(AtomicSave, AMissingFolderIsReported) {
    TempFolder folder;
    auto applet = documentWithButtons(1);
    applet->setDocumentPath(folder.file("no/such/folder.wdf"));
    AppletDocumentHost host;
    const SaveResult result = writeDocument(*applet, host);
    EXPECT_EQ(result.outcome, SaveOutcome::Failed);
    EXPECT_NE(result.message.find(std::strerror(ENOENT)), std::string::npos) << result.message;
}

struct LinkCase {
    const char* name;
    bool targetExists;
    // The link's text: "ABS" stands for the scratch folder.
    std::vector<std::pair<std::string, std::string>> links;  // link name -> its text
    const char* savedAs;                                     // the link the document names
    const char* written;                                     // the file that gets the bytes
};

class SaveThroughLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(SaveThroughLink, WritesTheFileTheLinkNamesAndKeepsTheLink) {
    const LinkCase& c = GetParam();
    TempFolder folder;
    ASSERT_EQ(::mkdir(folder.file("sub").c_str(), 0755), 0);
    if (c.targetExists)
        test::writeFile(folder.file(c.written), "old");
    for (const auto& [link, text] : c.links) {
        std::string named = text;
        if (named.rfind("ABS", 0) == 0)
            named = folder.path() + named.substr(3);
        ASSERT_EQ(::symlink(named.c_str(), folder.file(link).c_str()), 0) << link;
    }
    auto applet = documentWithButtons(1);
    applet->setDocumentPath(folder.file(c.savedAs));
    AppletDocumentHost host;

    const SaveResult result = writeDocument(*applet, host);
    ASSERT_TRUE(result.saved()) << result.message;
    for (const auto& [link, text] : c.links) {
        struct stat info {};
        ASSERT_EQ(::lstat(folder.file(link).c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << link << " was replaced by a plain file";
    }
    EXPECT_EQ(readFile(folder.file(c.written)).substr(0, 11), "Wendle File");
    EXPECT_EQ(test::listFolder(folder.file("sub")),
              std::string(c.written).rfind("sub/", 0) == 0
                  ? std::vector<std::string>{std::string(c.written).substr(4)}
                  : std::vector<std::string>{})
        << "temporary file left";
}

INSTANTIATE_TEST_SUITE_P(
    Links, SaveThroughLink,
    ::testing::Values(
        LinkCase{
            "ToADocument", true, {{"link.wdf", "ABS/sub/real.wdf"}}, "link.wdf", "sub/real.wdf"},
        LinkCase{"DanglingAbsolute",
                 false,
                 {{"link.wdf", "ABS/sub/new.wdf"}},
                 "link.wdf",
                 "sub/new.wdf"},
        LinkCase{
            "DanglingRelative", false, {{"link.wdf", "sub/new.wdf"}}, "link.wdf", "sub/new.wdf"},
        LinkCase{"DanglingChain",
                 false,
                 {{"first.wdf", "second.wdf"}, {"second.wdf", "sub/last.wdf"}},
                 "first.wdf",
                 "sub/last.wdf"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtomicSave, ALinkThatLeadsNowhereIsReported) {
    TempFolder folder;
    const std::string loop = folder.file("loop.wdf");
    ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
    auto applet = documentWithButtons(1);
    applet->setDocumentPath(loop);
    AppletDocumentHost host;
    const SaveResult result = writeDocument(*applet, host);
    EXPECT_EQ(result.message, "Could not save '" + loop + "': " + std::strerror(ELOOP));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"loop.wdf"});
}

TEST(AtomicSave, NoPathWritesNothing) {
    auto applet = documentWithButtons(1);
    AppletDocumentHost host;
    EXPECT_EQ(writeDocument(*applet, host).outcome, SaveOutcome::NoPath);
    EXPECT_TRUE(applet->modified());
}

// Permissions do not stop the superuser, who runs these tests in CI; these
// two run for everybody else.
// Permissions bind everyone but the superuser. Run as root (as CI does),
// the check runs in a child process that has given its privileges up and
// owns the folder; its failures are reported through its exit status.
template <typename Check>
void asOrdinaryUser(const std::string& folder, const std::string& file, Check check) {
    if (::geteuid() != 0) {
        check();
        return;
    }
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        check();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the unprivileged check failed (see above)";
}

TEST(AtomicSave, AWriteProtectedDocumentStaysAsItIs) {
    TempFolder folder;
    const std::string target = folder.file("locked.wdf");
    test::writeFile(target, "locked");
    asOrdinaryUser(folder.path(), target, [&] {
        ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
        auto applet = documentWithButtons(1);
        applet->setDocumentPath(target);
        AppletDocumentHost host;
        const SaveResult result = writeDocument(*applet, host);
        EXPECT_EQ(result.message, "Could not save '" + target + "': " + std::strerror(EACCES));
        EXPECT_EQ(readFile(target), "locked");
    });
}

TEST(AtomicSave, AFolderWithoutWritePermissionIsReported) {
    TempFolder folder;
    const std::string target = folder.file("doc.wdf");
    test::writeFile(target, "kept");
    asOrdinaryUser(folder.path(), target, [&] {
        ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
        auto applet = documentWithButtons(1);
        applet->setDocumentPath(target);
        AppletDocumentHost host;
        const SaveResult result = writeDocument(*applet, host);
        EXPECT_EQ(result.message, "Could not save '" + target + "': " + std::strerror(EACCES));
        EXPECT_EQ(readFile(target), "kept");
        ::chmod(folder.path().c_str(), 0755);
    });
}

}  // namespace
}  // namespace wendle::document
