#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/IoResult.h"
#include "settings/PRegistry.h"
#include "settings/PSetting.h"
#include "settings/PropertyBinding.h"

namespace wendle {

// Where one setting is stored.
struct SettingLocation {
    TPRegistryRoot root = TPRegistryRoot::prkCurrentUser;
    std::string key;        // from the root
    std::string valueName;  // empty: the setting is not stored
    std::string ownerKey;   // the key of the component that stores it
};

// The common part of the settings components: the registry key, the list of
// settings, and the restore and save passes with their events.
//
// Key of a component: "Software\", then each of CompanyName, SoftwareName
// and SoftwareVersion that is not empty followed by "\", then the window's
// name (TPFormSettings) or "AppSettings" (TPAppSettings).
class TPSettings {
  public:
    using Event = std::function<void(TPSettings& sender)>;
    // The handler may clear `proceed` to cancel the automatic pass.
    using CancelableEvent = std::function<void(TPSettings& sender, bool& proceed)>;

    virtual ~TPSettings() = default;
    TPSettings(const TPSettings&) = delete;
    TPSettings& operator=(const TPSettings&) = delete;

    // No registered organisation exists on this platform, so the company
    // name starts empty; the program always sets its own.
    std::string CompanyName;
    std::string SoftwareName;
    std::string SoftwareVersion;
    TPRegistryRoot RegistryRootKey = TPRegistryRoot::prkCurrentUser;
    // True: every value is written, even one equal to its design value.
    // False: such values are deleted instead, and a key left empty too.
    bool SaveAll = true;

    Event OnUserSave;  // the save itself when the save location is the user's
    Event OnUserRestore;
    Event OnPreSave;
    Event OnPostRestore;
    Event OnPostSave;
    Event OnPreRestore;
    CancelableEvent OnAutoSave;
    CancelableEvent OnAutoRestore;
    // A restore found a settings file it could not use (not a plain file,
    // no access, or too large and set aside); the values keep their
    // defaults. The text says which file and why, for the user.
    std::function<void(TPSettings& sender, const std::string& message)> OnStoreProblem;

    // A new setting bound through the component's window.
    TPSetting& AddSetting();
    const std::vector<std::unique_ptr<TPSetting>>& Settings() const { return settings_; }

    std::string KeyPath() const;
    virtual SettingLocation LocationOf(const TPSetting& setting) const;

    // The outcome of the last save (a failed write of the store).
    const platform::IoResult& LastSaveResult() const { return lastSaveResult_; }
    bool Restored() const { return restored_; }

  protected:
    explicit TPSettings(PropertyBinding* binding) : binding_(binding) {}

    // The last part of the key: the window's name or "AppSettings".
    virtual std::string ComponentKeyName() const = 0;
    // False when the save location is the user's own (OnUserSave/OnUserRestore).
    virtual bool SavesToRegistry() const = 0;
    // The component's own values beside its settings, read from and written
    // to the registry of its root (no key open).
    virtual void RestoreComponentValues(TPRegistry& /*registry*/) {}
    virtual void SaveComponentValues(TPRegistry& /*registry*/) {}

    // One restore pass, with its events; false when OnAutoRestore cancelled it.
    bool RestoreNow();
    // One save pass, with its events.
    platform::IoResult SaveNow();

  private:
    class Session;
    void restoreSetting(Session& session, TPSetting& setting);
    void saveSetting(Session& session, const TPSetting& setting,
                     std::vector<SettingLocation>& emptied);

    PropertyBinding* binding_;
    std::vector<std::unique_ptr<TPSetting>> settings_;
    bool restored_ = false;
    bool designRemembered_ = false;
    platform::IoResult lastSaveResult_;
};

}  // namespace wendle
