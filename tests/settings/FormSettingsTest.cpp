#include <gtest/gtest.h>
#include <sys/stat.h>

#include "FakeWindow.h"
#include "platform/AtomicFile.h"
#include "platform/RegistryStore.h"
#include "platform/ScratchFolder.h"
#include "settings/Messages.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingCodec.h"

namespace wendle {
namespace {

using platform::RegistryValue;
using testing::FakeWindow;
using testing::ScratchFolder;
using Items = std::vector<std::string>;

constexpr const char* kMainKey = "Software\\Orvanta Software\\Wendle\\5\\mainWindow";
constexpr const char* kBrowserKey = "Software\\Brisken Software\\Wendle\\4\\BrowserWindow";

std::optional<RegistryValue> stored(const std::string& key, const std::string& name,
                                    TPRegistryRoot root = TPRegistryRoot::prkLocalMachine) {
    TPRegistry registry(root);
    if (!registry.OpenKey(key, false))
        return std::nullopt;
    return registry.ReadValue(name);
}

class FormSettingsTest : public ::testing::Test {
  protected:
    ScratchFolder scratch;
};

TEST_F(FormSettingsTest, TheMainWindowsFlagsAreTextValuesUnderItsKey) {
    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    EXPECT_EQ(settings->KeyPath(), kMainKey);
    settings->restore();
    window.properties["Label26.Caption"] = SettingValue::text("true");
    ASSERT_TRUE(settings->save());

    EXPECT_EQ(stored(kMainKey, "Showed Preview Hint"), RegistryValue::text("true"));
    EXPECT_EQ(stored(kMainKey, "Showed State Hint"), RegistryValue::text("false"));
    EXPECT_FALSE(stored(kMainKey, "Showed Preview Hint", TPRegistryRoot::prkCurrentUser));

    FakeWindow restarted = testing::freshMainWindow();
    createAppSettings(restarted)->restore();
    EXPECT_EQ(restarted.properties["Label26.Caption"], SettingValue::text("true"));
    EXPECT_EQ(restarted.properties["Label27.Caption"], SettingValue::text("false"));
}

TEST_F(FormSettingsTest, TheBrowserChoiceSurvivesARestartAndIsStoredScrambled) {
    FakeWindow window = testing::freshBrowserWindow();
    auto settings = createPFormSettings1(window);
    EXPECT_EQ(settings->KeyPath(), kBrowserKey);
    settings->restore();
    window.properties["BrowserNames.Items"] =
        SettingValue::stringList({"Netscape 4.79", "Netscape 4.79"});
    window.properties["BrowserPaths.Items"] =
        SettingValue::stringList({"/opt/a/netscape.exe", "/opt/b/netscape.exe"});
    window.properties["browser.Caption"] = SettingValue::text("/opt/b/netscape.exe");
    ASSERT_TRUE(settings->save());

    EXPECT_EQ(stored(std::string(kBrowserKey) + "\\BrowserNames", "Items"),
              SettingCodec::encode(SettingValue::stringList({"Netscape 4.79", "Netscape 4.79"})));
    auto scrambled = stored(std::string(kBrowserKey) + "\\browser", "Caption");
    ASSERT_TRUE(scrambled);
    ASSERT_EQ(scrambled->type(), RegistryValue::Type::Binary);
    const auto& bytes = scrambled->asBinary();
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("netscape"), std::string::npos);

    FakeWindow restarted = testing::freshBrowserWindow();
    createPFormSettings1(restarted)->restore();
    EXPECT_EQ(restarted.properties, window.properties);
}

// Scrambling starts from a random byte, so a scrambled value saved again
// would differ each time; an unchanged one is left as stored, and a run
// that changed nothing leaves the settings file alone.
TEST_F(FormSettingsTest, AScrambledValueSavedUnchangedKeepsItsStoredBytes) {
    FakeWindow window = testing::freshBrowserWindow();
    auto settings = createPFormSettings1(window);
    settings->restore();
    window.properties["browser.Caption"] = SettingValue::text("/opt/b/netscape.exe");
    ASSERT_TRUE(settings->save());
    const auto first = stored(std::string(kBrowserKey) + "\\browser", "Caption");
    ASSERT_TRUE(first);
    const std::string file =
        platform::RegistryStore::filePathFor(platform::RegistryRoot::LocalMachine);
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    FakeWindow restarted = testing::freshBrowserWindow();
    auto again = createPFormSettings1(restarted);
    again->restore();
    ASSERT_TRUE(again->save());
    EXPECT_EQ(stored(std::string(kBrowserKey) + "\\browser", "Caption"), first);
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was not written again";

    FakeWindow changed = testing::freshBrowserWindow();
    auto third = createPFormSettings1(changed);
    third->restore();
    changed.properties["browser.Caption"] = SettingValue::text("/opt/c/other");
    ASSERT_TRUE(third->save());
    EXPECT_NE(stored(std::string(kBrowserKey) + "\\browser", "Caption"), first);
}

TEST_F(FormSettingsTest, AValueScrambledForAnotherSettingIsIgnored) {
    FakeWindow window = testing::freshBrowserWindow();
    auto settings = createPFormSettings1(window);
    settings->restore();
    window.properties["BrowserPaths.Items"] = SettingValue::stringList({"/usr/bin/x"});
    window.properties["browser.Caption"] = SettingValue::text("/usr/bin/x");
    ASSERT_TRUE(settings->save());

    // Swap in the paths' value for the choice: its key does not fit.
    TPRegistry registry(TPRegistryRoot::prkLocalMachine);
    registry.OpenKey(std::string(kBrowserKey) + "\\BrowserPaths", false);
    RegistryValue paths = *registry.ReadValue("Items");
    registry.OpenKey(std::string(kBrowserKey) + "\\browser", false);
    registry.WriteValue("Caption", paths);
    ASSERT_TRUE(registry.Flush());

    FakeWindow restarted = testing::freshBrowserWindow();
    createPFormSettings1(restarted)->restore();
    EXPECT_EQ(restarted.properties["browser.Caption"], SettingValue::text("default"));
    EXPECT_EQ(restarted.properties["BrowserPaths.Items"], SettingValue::stringList({"/usr/bin/x"}));
}

TEST_F(FormSettingsTest, UnreadableValuesLeaveThePropertiesAsDesigned) {
    TPRegistry registry(TPRegistryRoot::prkLocalMachine);
    registry.OpenKey(kMainKey, true);
    registry.WriteValue("Showed Preview Hint", RegistryValue::binary({99, 0, 0, 0}));
    registry.WriteValue("Showed State Hint", RegistryValue::binary({1, 0, 0, 0, 4, 0, 0}));
    registry.OpenKey(std::string(kBrowserKey) + "\\browser", true);
    registry.WriteValue("Caption", RegistryValue::text("/plain/text/is/not/encrypted"));
    registry.OpenKey(std::string(kBrowserKey) + "\\BrowserNames", true);
    registry.WriteValue("Items", RegistryValue::integer(5));  // a number for a list
    ASSERT_TRUE(registry.Flush());

    FakeWindow main = testing::freshMainWindow();
    createAppSettings(main)->restore();
    EXPECT_EQ(main.properties, testing::freshMainWindow().properties);
    FakeWindow browser = testing::freshBrowserWindow();
    createPFormSettings1(browser)->restore();
    EXPECT_EQ(browser.properties, testing::freshBrowserWindow().properties);
}

TEST_F(FormSettingsTest, ACorruptStoreGivesTheDefaultsAndIsKeptAside) {
    const std::string file =
        platform::RegistryStore::filePathFor(platform::RegistryRoot::LocalMachine);
    platform::makeFolders(platform::folderOf(file));
    const std::string garbage = std::string("\0\xff\xfe garbage [\n\"x\"=", 18);
    ScratchFolder::writeFile(file, garbage);

    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    settings->restore();
    EXPECT_EQ(window.properties, testing::freshMainWindow().properties);
    EXPECT_EQ(settings->MRUCount(), 0);

    ASSERT_TRUE(settings->save());
    EXPECT_EQ(ScratchFolder::readFile(file + ".corrupt"), garbage);
    EXPECT_EQ(stored(kMainKey, "Showed State Hint"), RegistryValue::text("false"));
}

TEST_F(FormSettingsTest, AStoreThatCannotBeWrittenIsReportedAndNothingBreaks) {
    const std::string file =
        platform::RegistryStore::filePathFor(platform::RegistryRoot::LocalMachine);
    platform::makeFolders(file);  // a folder where the file should be

    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    settings->restore();
    platform::IoResult saved = settings->save();
    EXPECT_FALSE(saved);
    EXPECT_FALSE(settings->LastSaveResult());
    EXPECT_NE(saved.message.find(file), std::string::npos);
}

TEST_F(FormSettingsTest, SavesOnceUntilShownAgainAndNeverBeforeRestoring) {
    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    int saves = 0;
    settings->OnPostSave = [&](TPSettings&) { ++saves; };

    settings->save();  // torn down before restoring: keeps what was stored
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(stored(kMainKey, "Showed State Hint"));

    EXPECT_TRUE(settings->restore());
    EXPECT_FALSE(settings->restore());
    settings->save();  // hidden
    settings->save();  // closed
    EXPECT_EQ(saves, 1);
    settings->windowShown();
    settings->save();
    EXPECT_EQ(saves, 2);
}

TEST_F(FormSettingsTest, EventsSurroundThePassesAndMayCancelThem) {
    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    std::vector<std::string> events;
    settings->OnPreRestore = [&](TPSettings&) { events.push_back("PreRestore"); };
    settings->OnAutoRestore = [&](TPSettings&, bool&) { events.push_back("AutoRestore"); };
    settings->OnPostRestore = [&](TPSettings&) { events.push_back("PostRestore"); };
    settings->OnPreSave = [&](TPSettings&) { events.push_back("PreSave"); };
    settings->OnAutoSave = [&](TPSettings&, bool& proceed) {
        events.push_back("AutoSave");
        proceed = false;
    };
    settings->OnPostSave = [&](TPSettings&) { events.push_back("PostSave"); };
    settings->restore();
    settings->save();
    EXPECT_EQ(events, (Items{"PreRestore", "AutoRestore", "PostRestore", "PreSave", "AutoSave",
                             "PostSave"}));
    EXPECT_FALSE(stored(kMainKey, "Showed State Hint"));
}

TEST_F(FormSettingsTest, TheUsersSaveLocationGoesThroughItsHandlers) {
    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    settings->SaveLocation = TPSaveLocation::pslUser;
    int userSaves = 0, userRestores = 0;
    settings->OnUserSave = [&](TPSettings&) { ++userSaves; };
    settings->OnUserRestore = [&](TPSettings&) { ++userRestores; };
    settings->restore();
    settings->save();
    EXPECT_EQ(userRestores, 1);
    EXPECT_EQ(userSaves, 1);
    EXPECT_FALSE(stored(kMainKey, "Showed State Hint"));
}

TEST_F(FormSettingsTest, WithoutSaveAllDesignValuesAreDeletedAndEmptyKeysToo) {
    FakeWindow window = testing::freshBrowserWindow();
    auto settings = createPFormSettings1(window);
    settings->restore();
    window.properties["browser.Caption"] = SettingValue::text("/usr/bin/x");
    ASSERT_TRUE(settings->save());
    EXPECT_TRUE(stored(std::string(kBrowserKey) + "\\BrowserNames", "Items"));

    settings->SaveAll = false;
    window.properties["browser.Caption"] = SettingValue::text("default");
    window.properties["BrowserNames.Items"] = SettingValue::stringList({"Found 1"});
    settings->windowShown();
    ASSERT_TRUE(settings->save());

    TPRegistry registry(TPRegistryRoot::prkLocalMachine);
    EXPECT_FALSE(registry.KeyExists(std::string(kBrowserKey) + "\\browser"));
    EXPECT_FALSE(registry.KeyExists(std::string(kBrowserKey) + "\\BrowserPaths"));
    EXPECT_TRUE(stored(std::string(kBrowserKey) + "\\BrowserNames", "Items"));

    window.properties["BrowserNames.Items"] = SettingValue::stringList({});
    settings->windowShown();
    ASSERT_TRUE(settings->save());
    TPRegistry after(TPRegistryRoot::prkLocalMachine);
    EXPECT_FALSE(after.KeyExists(kBrowserKey));
    EXPECT_TRUE(after.KeyExists("Software\\Brisken Software\\Wendle\\4"));
}

TEST_F(FormSettingsTest, ASettingForAnApplicationValueIsStoredByTheApplicationComponent) {
    FakeWindow window = testing::freshMainWindow();
    auto app = createPAppSettings();
    auto settings = createAppSettings(window);
    settings->AppSettingsCtrl = app.get();
    settings->Settings()[0]->RelAppSetting = "PreviewHintShown";
    settings->restore();
    window.properties["Label26.Caption"] = SettingValue::text("true");
    ASSERT_TRUE(settings->save());
    EXPECT_EQ(stored("Software\\Orvanta Software\\Wendle\\5\\AppSettings", "PreviewHintShown"),
              RegistryValue::text("true"));
    EXPECT_FALSE(stored(kMainKey, "Showed Preview Hint"));
}

TEST_F(FormSettingsTest, TheKeyNameMayBeChangedByTheWindow) {
    FakeWindow window = testing::freshMainWindow();
    auto settings = createAppSettings(window);
    settings->OnSetFormKeyName = [](const TPFormSettings&, std::string& name) { name += "2"; };
    EXPECT_EQ(settings->KeyPath(), std::string(kMainKey) + "2");
    settings->SoftwareVersion.clear();
    settings->CompanyName.clear();
    EXPECT_EQ(settings->KeyPath(), "Software\\Wendle\\mainWindow2");
}

TEST_F(FormSettingsTest, OnlyAWindowCanOwnAFormComponent) {
    FakeWindow notAWindow("Panel1");
    notAWindow.form = false;
    try {
        TPFormSettings settings(&notAWindow);
        ADD_FAILURE() << "made for a control";
    } catch (const SettingsError& error) {
        EXPECT_STREQ(error.what(), settings_messages::kParentMustBeForm);
    }
    EXPECT_THROW(TPFormSettings(nullptr), SettingsError);
}

TEST_F(FormSettingsTest, DefaultsFollowTheWindowsFrame) {
    struct Case {
        FormBorderStyle border;
        bool buttons;
        unsigned saveOptions;
        int mruLength;
    };
    const unsigned all = pfsLeft | pfsTop | pfsWidth | pfsHeight | pfsState;
    const Case cases[] = {
        {FormBorderStyle::Sizeable, true, all, 4},
        {FormBorderStyle::Sizeable, false, all & ~unsigned(pfsState), 4},
        {FormBorderStyle::Single, true, pfsLeft | pfsTop, 0},
        {FormBorderStyle::Dialog, true, pfsLeft | pfsTop, 0},
        {FormBorderStyle::ToolWindow, true, pfsLeft | pfsTop, 0},
        {FormBorderStyle::None, true, 0, 0},
    };
    for (const Case& c : cases) {
        FakeWindow window("w", c.border);
        window.minimise = window.maximise = c.buttons;
        TPFormSettings settings(&window);
        EXPECT_EQ(settings.FormSaveOpt, c.saveOptions);
        EXPECT_EQ(settings.MRULength, c.mruLength);
        EXPECT_EQ(settings.MRUDisplay, TPMRUDisplay::pmdFullPath);
        EXPECT_TRUE(settings.SaveAll);
        EXPECT_EQ(settings.RegistryRootKey, TPRegistryRoot::prkCurrentUser);
    }
}

TEST_F(FormSettingsTest, APlacementIsKeptWhenAsked) {
    FakeWindow window("Editor");
    window.where = {50, 60, 640, 480, FormWindowState::Maximized};
    {
        TPFormSettings settings(&window);
        settings.restore();
        ASSERT_TRUE(settings.save());
    }
    EXPECT_EQ(stored("Software\\Editor", "Width", TPRegistryRoot::prkCurrentUser),
              RegistryValue::integer(640));
    EXPECT_EQ(stored("Software\\Editor", "ScreenRes", TPRegistryRoot::prkCurrentUser),
              RegistryValue::text("1920x1080"));
    EXPECT_EQ(stored("Software\\Editor", "MainForm", TPRegistryRoot::prkCurrentUser),
              RegistryValue::integer(0));

    FakeWindow again("Editor");
    TPFormSettings(&again).restore();
    EXPECT_EQ(again.where, window.where);

    // On another screen the position is not taken back, the size is.
    FakeWindow elsewhere("Editor");
    elsewhere.screen = {800, 600};
    TPFormSettings(&elsewhere).restore();
    EXPECT_EQ(elsewhere.where.left, 10);
    EXPECT_EQ(elsewhere.where.width, 640);
}

TEST_F(FormSettingsTest, TheProgramsWindowsKeepNoPlacement) {
    FakeWindow main = testing::freshMainWindow();
    auto settings = createAppSettings(main);
    settings->restore();
    ASSERT_TRUE(settings->save());
    EXPECT_FALSE(stored(kMainKey, "Left"));
    EXPECT_FALSE(stored(kMainKey, "ScreenRes"));
    EXPECT_EQ(main.placementsSet, 0);
}

}  // namespace
}  // namespace wendle
