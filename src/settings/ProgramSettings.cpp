#include "settings/ProgramSettings.h"

namespace wendle {

namespace {

template <typename Component>
void describe(Component& component, const SettingsComponentDescription& description) {
    component.CompanyName = description.companyName;
    component.SoftwareName = description.softwareName;
    component.SoftwareVersion = description.softwareVersion;
    component.RegistryRootKey = description.root;
}

TPSetting& addSetting(TPSettings& component, const char* name, const char* boundProperty,
                      bool encrypted) {
    TPSetting& setting = component.AddSetting();
    setting.Name = name;
    setting.BoundProperty = boundProperty;
    setting.Encrypted = encrypted;
    return setting;
}

}  // namespace

std::unique_ptr<TPFormSettings> createAppSettings(SettingsOwner& mainWindow) {
    auto settings = std::make_unique<TPFormSettings>(&mainWindow);
    describe(*settings, kAppSettingsDescription);
    // The window keeps neither its position nor its size.
    settings->FormSaveOpt = 0;
    settings->MRUMenuItem = kReopenMenuItem;
    settings->MRULength = 9;
    settings->MRUDisplay = TPMRUDisplay::pmdFileOnly;
    addSetting(*settings, kShowedPreviewHint, kShowedPreviewHintProperty, false);
    addSetting(*settings, kShowedStateHint, kShowedStateHintProperty, false);
    return settings;
}

std::unique_ptr<TPAppSettings> createPAppSettings(PropertyBinding* mainWindow) {
    auto settings = std::make_unique<TPAppSettings>(mainWindow);
    describe(*settings, kPAppSettingsDescription);
    return settings;
}

std::unique_ptr<TPFormSettings> createPFormSettings1(SettingsOwner& browserWindow) {
    auto settings = std::make_unique<TPFormSettings>(&browserWindow);
    describe(*settings, kPFormSettings1Description);
    settings->FormSaveOpt = 0;
    settings->MRULength = 0;
    settings->AddToRecentDocs = false;
    addSetting(*settings, "", kBrowserNamesProperty, false);
    addSetting(*settings, "", kBrowserPathsProperty, true);
    addSetting(*settings, "", kBrowserChoiceProperty, true);
    return settings;
}

}  // namespace wendle
