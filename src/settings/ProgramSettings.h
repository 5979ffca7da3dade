#pragma once

#include <memory>

#include "settings/PAppSettings.h"
#include "settings/PFormSettings.h"

namespace wendle {

// The settings components of the program's windows, as the windows are
// designed to have them.

// The windows' names, which are the last parts of their keys.
inline constexpr const char* kMainWindowName = "mainWindow";
inline constexpr const char* kBrowserWindowName = "BrowserWindow";

// The one-time help flags of the main window: "false" until the topic has
// been shown once, then "true".
inline constexpr const char* kShowedPreviewHint = "Showed Preview Hint";
inline constexpr const char* kShowedStateHint = "Showed State Hint";
inline constexpr const char* kShowedPreviewHintProperty = "Label26.Caption";
inline constexpr const char* kShowedStateHintProperty = "Label27.Caption";

// The browser chooser's kept properties.
inline constexpr const char* kBrowserNamesProperty = "BrowserNames.Items";
inline constexpr const char* kBrowserPathsProperty = "BrowserPaths.Items";
inline constexpr const char* kBrowserChoiceProperty = "browser.Caption";

// The menu item whose submenu lists the recent documents.
inline constexpr const char* kReopenMenuItem = "Reopen1";

struct SettingsComponentDescription {
    const char* component;
    const char* companyName;
    const char* softwareName;
    const char* softwareVersion;
    TPRegistryRoot root;
};

inline constexpr SettingsComponentDescription kAppSettingsDescription{
    "AppSettings", "Orvanta Software", "Wendle", "5", TPRegistryRoot::prkLocalMachine};
inline constexpr SettingsComponentDescription kPAppSettingsDescription{
    "PAppSettings", "Orvanta Software", "Wendle", "5", TPRegistryRoot::prkLocalMachine};
inline constexpr SettingsComponentDescription kPFormSettings1Description{
    "PFormSettings1", "Brisken Software", "Wendle", "4", TPRegistryRoot::prkLocalMachine};

// The main window's component: the two help flags and the nine most recent
// documents under "Reopen1", shown by file name. The window sets OnMRUClick
// (Reopen) and OnMRUChange (rebuild the submenu), then calls restore().
std::unique_ptr<TPFormSettings> createAppSettings(SettingsOwner& mainWindow);

// The main window's application-wide component; it keeps no values.
std::unique_ptr<TPAppSettings> createPAppSettings(PropertyBinding* mainWindow = nullptr);

// The browser chooser's component: the found browsers' names, their paths
// (encrypted) and the choice (encrypted); no recent documents.
std::unique_ptr<TPFormSettings> createPFormSettings1(SettingsOwner& browserWindow);

}  // namespace wendle
