#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "FakeWindow.h"
#include "platform/AtomicFile.h"
#include "platform/RegistryStore.h"
#include "platform/ScratchFolder.h"
#include "settings/CommaText.h"
#include "settings/ProgramSettings.h"

namespace wendle {
namespace {

using testing::FakeWindow;
using testing::ScratchFolder;
using Items = std::vector<std::string>;

// The main window's component on the store of the scratch folder, with
// documents that exist on disk.
class RecentDocumentsTest : public ::testing::Test {
  protected:
    RecentDocumentsTest() { start(); }

    void start() {
        settings = createAppSettings(window);
        settings->AddToDesktopRecent = [this](const std::string& path) {
            handedToDesktop.push_back(path);
        };
        settings->restore();
    }
    // Closes the program and starts it again: new components, same store.
    void restart() {
        settings->save();
        settings.reset();
        start();
    }
    std::string document(const std::string& name) {
        std::string path = scratch / name;
        ScratchFolder::writeFile(path, "");
        return path;
    }
    Items captions(bool menuHasOtherItems = false) {
        Items result;
        for (const TPMRUEntry& entry : settings->BuildMRUMenu(menuHasOtherItems).Entries) {
            result.push_back(entry.Caption);
        }
        return result;
    }

    ScratchFolder scratch;
    FakeWindow window = testing::freshMainWindow();
    std::unique_ptr<TPFormSettings> settings;
    Items handedToDesktop;
};

TEST_F(RecentDocumentsTest, TheSameDocumentTwiceIsOneEntryAtTheTop) {
    const std::string a = document("a.wdf");
    const std::string b = document("b.wdf");
    settings->AddMRUItem(a);
    settings->AddMRUItem(b);
    settings->AddMRUItem(a);
    EXPECT_EQ(settings->MRUList(), (Items{a, b}));
    EXPECT_EQ(captions(), (Items{"&1 a.wdf", "&2 b.wdf"}));
}

TEST_F(RecentDocumentsTest, PathsAreComparedIgnoringLetterCase) {
    const std::string lower = document("toolbar.wdf");
    settings->AddMRUItem(lower);
    settings->AddMRUItem(scratch / "TOOLBAR.wdf");
    EXPECT_EQ(settings->MRUList(), (Items{scratch / "TOOLBAR.wdf"}));
}

TEST_F(RecentDocumentsTest, ADeletedDocumentDisappearsWhenTheMenuIsRebuilt) {
    const std::string kept = document("kept.wdf");
    const std::string gone = document("gone.wdf");
    settings->AddMRUItem(kept);
    settings->AddMRUItem(gone);
    EXPECT_EQ(captions(), (Items{"&1 gone.wdf", "&2 kept.wdf"}));
    std::remove(gone.c_str());
    EXPECT_EQ(captions(), (Items{"&1 kept.wdf"}));

    settings->MRUValidate = false;
    settings->AddMRUItem(gone);
    EXPECT_EQ(captions(), (Items{"&1 gone.wdf", "&2 kept.wdf"}));
}

TEST_F(RecentDocumentsTest, TenDocumentsShowNineAndTheSameNineAfterARestart) {
    Items newestFirst;
    for (int i = 1; i <= 10; ++i) {
        const std::string path = document("Toolbar " + std::to_string(i) + ".wdf");
        settings->AddMRUItem(path);
        newestFirst.insert(newestFirst.begin(), path);
    }
    newestFirst.pop_back();  // the oldest falls off
    const Items shown = captions();
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_EQ(shown.front(), "&1 Toolbar 10.wdf");
    EXPECT_EQ(shown.back(), "&9 Toolbar 2.wdf");
    EXPECT_EQ(settings->MRUCount(), 9);

    restart();
    EXPECT_EQ(settings->MRUList(), newestFirst);
    EXPECT_EQ(captions(), shown);
}

// A settings file cut inside the list (a full disk, a crash) keeps the
// entries that were stored whole, and the damaged file is kept aside.
TEST_F(RecentDocumentsTest, AListCutShortKeepsItsCompleteEntries) {
    const std::string newest = document("newest.wdf");
    const std::string middle = document("middle one.wdf");
    settings->AddMRUItem(document("oldest.wdf"));
    settings->AddMRUItem(middle);
    settings->AddMRUItem(newest);
    ASSERT_TRUE(settings->save());
    settings.reset();

    const std::string file =
        platform::RegistryStore::filePathFor(platform::RegistryRoot::LocalMachine);
    std::string text = ScratchFolder::readFile(file);
    const std::size_t value = text.find("\"MRUList\"=hex:");
    ASSERT_NE(value, std::string::npos);
    // The bytes of the middle entry's name, as the value line spells them.
    std::string hex;
    for (const char c : std::string("middle one")) {
        static const char digits[] = "0123456789abcdef";
        hex += std::string{',', digits[std::uint8_t(c) >> 4], digits[c & 15]};
    }
    const std::size_t middleAt = text.find(hex, value);
    ASSERT_NE(middleAt, std::string::npos);
    for (const std::size_t cut : {middleAt + 5, middleAt + 7}) {  // at a byte and inside one
        SCOPED_TRACE(cut);
        const std::string damaged = text.substr(0, cut);
        ScratchFolder::writeFile(file, damaged);
        start();
        EXPECT_EQ(settings->MRUList(), Items{newest});
        settings->AddMRUItem(middle);
        ASSERT_TRUE(settings->save());
        EXPECT_EQ(ScratchFolder::readFile(file + ".corrupt"), damaged);
        settings.reset();
    }
    start();
}

// A settings file that cannot be used never blocks or ends the start: the
// window starts with its defaults and the user is told.
TEST(SettingsFile, ThatCannotBeUsedGivesDefaultsAndAMessage) {
    const struct {
        const char* name;
        std::function<void(const std::string& file)> make;
        std::function<std::string(const std::string& file)> message;
    } cases[] = {
        {"NamedPipe", [](const std::string& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
         [](const std::string& file) {
             return file + ": Not a regular file. The settings start from their defaults.";
         }},
        {"Oversized",
         [](const std::string& file) {
             ScratchFolder::writeFile(file, "Wendle Registry Version 1\n");
             ASSERT_EQ(::truncate(file.c_str(), 17 << 20), 0);
         },
         [](const std::string& file) {
             return file + " is too large to be a settings file; it was set aside as " + file +
                    ".corrupt. The settings start from their defaults.";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The scratch folder stands in for the user's config folder: only
        // from here on does the store's path point inside it.
        ScratchFolder scratch;
        const std::string file =
            platform::RegistryStore::filePathFor(platform::RegistryRoot::LocalMachine);
        ASSERT_EQ(file.rfind(scratch.path(), 0), 0u) << file;
        ASSERT_TRUE(platform::makeFolders(platform::folderOf(file)));
        c.make(file);
        FakeWindow window = testing::freshMainWindow();
        auto settings = createAppSettings(window);
        std::vector<std::string> told;
        settings->OnStoreProblem = [&](TPSettings&, const std::string& message) {
            told.push_back(message);
        };
        settings->restore();
        EXPECT_EQ(told, std::vector<std::string>{c.message(file)});
        EXPECT_TRUE(settings->MRUList().empty());
    }
}

TEST_F(RecentDocumentsTest, TheListIsStoredAsAStringListValue) {
    settings->AddMRUItem(document("with blank.wdf"));
    settings->AddMRUItem(document("plain.wdf"));
    ASSERT_TRUE(settings->save());
    TPRegistry registry(TPRegistryRoot::prkLocalMachine);
    ASSERT_TRUE(registry.OpenKey(settings->KeyPath(), false));
    auto stored = registry.ReadValue(TPFormSettings::kMRUListValue);
    ASSERT_TRUE(stored);
    const std::string text = toCommaText(Items{scratch / "plain.wdf", scratch / "with blank.wdf"});
    std::vector<std::uint8_t> expected{7, 0, 0, 0, static_cast<std::uint8_t>(text.size()), 0, 0, 0};
    expected.insert(expected.end(), text.begin(), text.end());
    EXPECT_EQ(stored->asBinary(), expected);
}

TEST_F(RecentDocumentsTest, EntriesAreHandedToTheDesktopListToo) {
    const std::string a = document("a.wdf");
    settings->AddMRUItem(a);
    EXPECT_EQ(handedToDesktop, Items{a});
    settings->AddToRecentDocs = false;
    settings->AddMRUItem(document("b.wdf"));
    EXPECT_EQ(handedToDesktop, Items{a});
}

TEST_F(RecentDocumentsTest, TheDefaultDesktopListIsTheUsersBookmarkFile) {
    auto fresh = createAppSettings(window);
    fresh->AddMRUItem(document("desk.wdf"));
    const std::string xbel = ScratchFolder::readFile(scratch / "data/recently-used.xbel");
    EXPECT_NE(xbel.find("desk.wdf"), std::string::npos);
}

TEST_F(RecentDocumentsTest, ChoosingAnEntryReportsItsPathAndPosition) {
    const std::string a = document("a.wdf");
    const std::string b = document("b.wdf");
    settings->AddMRUItem(a);
    settings->AddMRUItem(b);
    std::vector<std::pair<std::string, int>> clicks;
    settings->OnMRUClick = [&](TPFormSettings&, const TPMRUEntry& entry,
                               const std::string& fileName, int index) {
        EXPECT_EQ(entry.FileName, fileName);
        clicks.emplace_back(fileName, index);
        settings->AddMRUItem(fileName);  // Reopen puts it at the top
    };
    settings->BuildMRUMenu(false);
    EXPECT_TRUE(settings->ClickMRUEntry(2));
    EXPECT_FALSE(settings->ClickMRUEntry(3));
    EXPECT_FALSE(settings->ClickMRUEntry(0));
    EXPECT_EQ(clicks, (std::vector<std::pair<std::string, int>>{{a, 2}}));
}

TEST_F(RecentDocumentsTest, ASeparatorComesFirstOnlyBesideOtherItemsAndEntries) {
    EXPECT_FALSE(settings->BuildMRUMenu(true).SeparatorBefore);  // no entries
    settings->AddMRUItem(document("a.wdf"));
    TPMRUMenu menu = settings->BuildMRUMenu(true);
    EXPECT_TRUE(menu.SeparatorBefore);
    EXPECT_EQ(menu.MenuItem, "Reopen1");
    EXPECT_FALSE(settings->BuildMRUMenu(false).SeparatorBefore);

    settings->MRUPlacement = TPMRUPlacement::pmpBefore;
    menu = settings->BuildMRUMenu(true);
    EXPECT_FALSE(menu.SeparatorBefore);
    EXPECT_TRUE(menu.SeparatorAfter);
}

TEST_F(RecentDocumentsTest, ChangesAreAnnouncedSoTheMenuCanBeRebuilt) {
    int changes = 0;
    settings->OnMRUChange = [&](TPFormSettings&) { ++changes; };
    settings->AddMRUItem(document("a.wdf"));
    EXPECT_EQ(changes, 1);
}

TEST_F(RecentDocumentsTest, AWindowWithoutAListKeepsNone) {
    FakeWindow browser = testing::freshBrowserWindow();
    auto chooser = createPFormSettings1(browser);
    chooser->AddMRUItem(document("a.wdf"));
    EXPECT_TRUE(chooser->MRUList().empty());
    EXPECT_TRUE(chooser->BuildMRUMenu(true).Entries.empty());
}

TEST(RecentDocumentCaption, ShowsFileFullOrShortenedPathWithItsPosition) {
    auto width = [](const std::string& text) { return static_cast<int>(text.size()) * 10; };
    const std::string path = "/home/anna/Web Sites/Club & Co/toolbar.wdf";
    EXPECT_EQ(RecentDocumentList::caption(
                  1, RecentDocumentList::displayText(path, TPMRUDisplay::pmdFileOnly, 200, width)),
              "&1 toolbar.wdf");
    EXPECT_EQ(RecentDocumentList::caption(
                  3, RecentDocumentList::displayText(path, TPMRUDisplay::pmdFullPath, 200, width)),
              "&3 /home/anna/Web Sites/Club && Co/toolbar.wdf");

    struct Case {
        int maxWidth;
        const char* shown;
    };
    const Case cases[] = {
        {1000, "/home/anna/Web Sites/Club & Co/toolbar.wdf"},
        {300, "/.../Club & Co/toolbar.wdf"},
        {200, "/.../toolbar.wdf"},
        {150, ".../toolbar.wdf"},
        {140, "toolbar.wdf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RecentDocumentList::abbreviated(path, c.maxWidth, width), c.shown) << c.maxWidth;
    }
}

}  // namespace
}  // namespace wendle
