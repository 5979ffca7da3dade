#pragma once

#include "settings/PSettings.h"

namespace wendle {

enum class TPAppSaveLocation { palRegistry, palUser };

// Application-wide values, under the key "...\AppSettings". Its settings are
// usually unbound and hold their values themselves; a window's settings with
// a RelAppSetting are stored here too (see TPFormSettings::AppSettingsCtrl).
class TPAppSettings : public TPSettings {
  public:
    // `binding` resolves bound settings, if any (may be null).
    explicit TPAppSettings(PropertyBinding* binding = nullptr) : TPSettings(binding) {}

    TPAppSaveLocation SaveLocation = TPAppSaveLocation::palRegistry;

    // At start-up and at the end of the program.
    bool restore() { return RestoreNow(); }
    platform::IoResult save() { return SaveNow(); }

    static constexpr const char* kKeyName = "AppSettings";

  protected:
    std::string ComponentKeyName() const override { return kKeyName; }
    bool SavesToRegistry() const override { return SaveLocation == TPAppSaveLocation::palRegistry; }
};

}  // namespace wendle
