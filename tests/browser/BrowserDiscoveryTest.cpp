#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include <optional>

#include "FindFixture.h"
#include "browser/BrowserChooser.h"
#include "browser/BrowserVersion.h"
#include "browser/PackageDatabase.h"

namespace wendle {
namespace {

using test::TempTree;

// A package database with firefox-esr installed, a removed chromium whose
// settings are still kept, and a library of two architectures.
class PackageDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tree.file("dpkg/status",
                  "Package: chromium\n"
                  "Status: deinstall ok config-files\n"
                  "Architecture: amd64\n"
                  "Version: 1.0\n"
                  "\n"
                  "Package: firefox-esr\n"
                  "Status: install ok installed\n"
                  "Architecture: amd64\n"
                  "Version: 115.3.0esr-1~deb12u1\n"
                  "Description: Mozilla Firefox web browser\n"
                  " Version: 9.9 (a continuation line, not a field)\n"
                  "\n"
                  "Package: libfoo\n"
                  "Status: install ok installed\n"
                  "Architecture: amd64\n"
                  "Version: 2.0-amd64\n"
                  "\n"
                  "Package: libfoo\n"
                  "Status: install ok installed\n"
                  "Architecture: i386\n"
                  "Version: 2.0-i386");
        tree.file("dpkg/info/firefox-esr.list",
                  "/.\n/usr\n/usr/lib/firefox-esr\n/usr/lib/firefox-esr/firefox-esr\n");
        tree.file("dpkg/info/chromium.list", "/.\n/usr/bin/chromium\n");
        tree.file("dpkg/info/libfoo:i386.list", "/.\n/usr/lib/i386/libfoo.so");
        tree.file("dpkg/info/firefox-esr.md5sums", "0 /usr/bin/unrelated\n");
    }

    TempTree tree;
    PackageDatabase packages{tree.path("dpkg")};
};

TEST_F(PackageDatabaseTest, FindsTheOwnerOfAWholeLine) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"/usr/lib/firefox-esr/firefox-esr", "firefox-esr"},
        {"/usr/lib/firefox-esr/firefox", std::nullopt},
        {"/usr/lib/firefox-esr/firefox-es", std::nullopt},
        {"/usr/lib/i386/libfoo.so", "libfoo:i386"},
        {"/usr/bin/unrelated", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [path, owner] : cases) EXPECT_EQ(packages.owningPackage(path), owner) << path;
}

TEST_F(PackageDatabaseTest, GivesTheVersionOfInstalledPackagesOnly) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"firefox-esr", "115.3.0esr-1~deb12u1"},
        {"chromium", std::nullopt},
        {"libfoo:i386", "2.0-i386"},
        {"libfoo:amd64", "2.0-amd64"},
        {"nothing", std::nullopt}};
    for (const auto& [package, version] : cases) {
        EXPECT_EQ(packages.installedVersion(package), version) << package;
    }
    EXPECT_EQ(PackageDatabase(tree.path("missing")).installedVersion("firefox-esr"), std::nullopt);
}

TEST(ApplicationIni, VersionComesFromTheAppSection) {
    TempTree tree;
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"[App]\nVendor=Mozilla\nVersion=115.0\n", "115.0"},
        {"[Gecko]\nVersion=1\n[App]\nName=x\n Version = 2.0 \r\n", "2.0"},
        {"[Other]\nVersion=1\n", std::nullopt},
        {"[App]\nVersion=\n", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [text, version] : cases) {
        EXPECT_EQ(applicationIniVersion(tree.file("application.ini", text)), version) << text;
    }
    EXPECT_EQ(applicationIniVersion(tree.path("none.ini")), std::nullopt);
}

TEST(BrowserVersion, PackageFirstThenApplicationIniBesideTheProgramOrItsTarget) {
    TempTree tree;
    const std::string owned = tree.file("owned/firefox", "#!", true);
    tree.file("owned/application.ini", "[App]\nVersion=1.0\n");
    const std::string installed = tree.file("lib/firefox-esr/firefox-esr", "#!", true);
    tree.file("lib/firefox-esr/application.ini", "[App]\nVersion=115.0\n");
    tree.link("bin/firefox", installed);
    const std::string bare = tree.file("bare/firefox", "#!", true);
    tree.file("dpkg/status", "Package: ff\nStatus: install ok installed\nVersion: 7.7-1\n");
    tree.file("dpkg/info/ff.list", "/.\n" + owned + "\n");
    const PackageDatabase packages(tree.path("dpkg"));

    EXPECT_EQ(browserVersion(owned, packages), "7.7-1");
    EXPECT_EQ(browserVersion(tree.path("bin/firefox"), packages), "115.0");
    EXPECT_EQ(browserVersion(bare, packages), "");
}

TEST(ListedBrowser, OnlyExecutablePlainFilesAreListedUnderTheirNameOnDisk) {
    TempTree tree;
    tree.file("a/FireFox", "#!", true);
    tree.file("a/application.ini", "[App]\nVersion=2.0\n");
    tree.file("b/firefox", "not a program");
    tree.folder("c/firefox");
    const PackageDatabase packages(tree.path("no-dpkg"));
    const BrowserProgram& firefox = kBrowserPrograms[0];
    auto found = [](const char* name) {
        TSearchRec record;
        record.Name = name;
        return record;
    };

    const auto listed = listedBrowser(firefox, tree.path("a"), found("FireFox"), packages);
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->name, "Firefox 2.0");
    EXPECT_EQ(listed->path, tree.path("a/FireFox"));
    EXPECT_FALSE(listedBrowser(firefox, tree.path("b"), found("firefox"), packages));
    EXPECT_FALSE(listedBrowser(firefox, tree.path("c"), found("firefox"), packages));
}

// A drive C holding two copies of one browser, another browser, and a file
// that only bears a browser's name.
class BrowserChooserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tree.file("c/opt/a/firefox", "#!", true);
        tree.file("c/opt/a/application.ini", "[App]\nVersion=1.0\n");
        tree.file("c/opt/b/firefox", "#!", true);
        tree.file("c/usr/bin/chromium", "#!", true);
        tree.file("c/home/notes/firefox", "text");
        DriveMap drives;
        drives.setRoot('C', tree.path("c"));
        chooser.RspFind1.setDriveMap(drives);
        chooser.RspFind2.setDriveMap(drives);
        chooser.OnBrowserListed = [this](std::size_t index) { listedIndexes.push_back(index); };
    }

    void searchToEnd() {
        chooser.searchForBrowsers();
        ASSERT_TRUE(dispatcher.pumpUntil(
            [&] { return !chooser.RspFind1.Searching() && !chooser.RspFind2.Searching(); },
            std::chrono::seconds(60)));
        dispatcher.runPending();
    }

    std::vector<std::pair<std::string, std::string>> listed() const {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (std::size_t i = 0; i < chooser.BrowserNames().size(); ++i) {
            pairs.emplace_back(chooser.BrowserNames()[i], chooser.BrowserPaths()[i]);
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }

    std::vector<std::pair<std::string, std::string>> expected() const {
        return {{"Chromium ", tree.path("c/usr/bin/chromium")},
                {"Firefox ", tree.path("c/opt/b/firefox")},
                {"Firefox 1.0", tree.path("c/opt/a/firefox")}};
    }

    TempTree tree;
    PumpedDispatcher dispatcher;
    BrowserChooser chooser{dispatcher, PackageDatabase(tree.path("no-dpkg"))};
    std::vector<std::size_t> listedIndexes;
};

TEST_F(BrowserChooserTest, FreshChooserUsesTheDefaultBrowser) {
    chooser.shown();
    EXPECT_TRUE(chooser.BrowserNames().empty());
    EXPECT_EQ(chooser.browser(), "default");
    EXPECT_TRUE(chooser.useDefaultBrowser());
}

TEST_F(BrowserChooserTest, SearchListsEveryExecutableFindWithItsVersion) {
    searchToEnd();
    EXPECT_EQ(listed(), expected());
    EXPECT_EQ(listedIndexes, (std::vector<std::size_t>{0, 1, 2}));
}

// A link to a listed program, or another name (a hard link) for it, is the
// same browser and is listed once; a copy is another browser.
TEST_F(BrowserChooserTest, TheSameProgramFileIsListedOnce) {
    tree.link("c/usr/local/bin/chromium", tree.path("c/usr/bin/chromium"));
    tree.folder("c/srv/hard");
    ASSERT_EQ(link(tree.path("c/opt/b/firefox").c_str(), tree.path("c/srv/hard/firefox").c_str()),
              0);
    searchToEnd();
    auto paths = chooser.BrowserPaths();
    ASSERT_EQ(paths.size(), 3u);
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths[0].substr(0, tree.path("c/opt/a").size()), tree.path("c/opt/a"));
    const std::string chromium[] = {tree.path("c/usr/bin/chromium"),
                                    tree.path("c/usr/local/bin/chromium")};
    const std::string firefox[] = {tree.path("c/opt/b/firefox"), tree.path("c/srv/hard/firefox")};
    EXPECT_TRUE(std::count(std::begin(chromium), std::end(chromium), paths[2]) == 1) << paths[2];
    EXPECT_TRUE(std::count(std::begin(firefox), std::end(firefox), paths[1]) == 1) << paths[1];
}

TEST_F(BrowserChooserTest, SecondSearchStartsAgainWithEmptyLists) {
    int cleared = 0;
    chooser.OnListsCleared = [&] { ++cleared; };
    chooser.searchForBrowsers();
    dispatcher.runPending();
    searchToEnd();
    EXPECT_EQ(cleared, 2);
    EXPECT_EQ(listed(), expected());
}

TEST_F(BrowserChooserTest, ChoosingABrowserAndTheDefault) {
    searchToEnd();
    EXPECT_FALSE(chooser.chooseBrowser(std::nullopt));
    EXPECT_FALSE(chooser.chooseBrowser(3));
    EXPECT_EQ(chooser.browser(), "default");

    ASSERT_TRUE(chooser.chooseBrowser(1));
    EXPECT_EQ(chooser.browser(), chooser.BrowserPaths()[1]);
    EXPECT_FALSE(chooser.useDefaultBrowser());
    chooser.shown();
    EXPECT_FALSE(chooser.useDefaultBrowser());

    chooser.setUseDefaultBrowser(true);
    EXPECT_EQ(chooser.browser(), "default");
    chooser.setUseDefaultBrowser(false);  // unticking changes nothing
    EXPECT_EQ(chooser.browser(), "default");
    chooser.shown();
    EXPECT_TRUE(chooser.useDefaultBrowser());
}

TEST_F(BrowserChooserTest, RestoredListsStayPaired) {
    chooser.restore({"Firefox 1", "Firefox 2", "Chromium 3"}, {"/a/firefox", "/b/firefox"},
                    "/b/firefox");
    EXPECT_EQ(chooser.BrowserNames(), (std::vector<std::string>{"Firefox 1", "Firefox 2"}));
    EXPECT_EQ(chooser.BrowserPaths(), (std::vector<std::string>{"/a/firefox", "/b/firefox"}));
    EXPECT_EQ(chooser.browser(), "/b/firefox");
    chooser.restore({}, {}, "");
    EXPECT_EQ(chooser.browser(), "default");
}

}  // namespace
}  // namespace wendle
