#include "settings/PSettings.h"

#include <map>
#include <random>

#include "platform/RegistryTree.h"
#include "settings/Messages.h"
#include "settings/SettingCodec.h"

namespace wendle {

using platform::IoResult;
using platform::RegistryValue;

// The roots used in one pass, each read once and written once at the end.
class TPSettings::Session {
  public:
    TPRegistry& registry(TPRegistryRoot root) {
        auto& slot = roots_[root];
        if (!slot)
            slot = std::make_unique<TPRegistry>(root);
        return *slot;
    }
    // What is wrong with the files the session read, for the user.
    std::vector<std::string> problems() const {
        std::vector<std::string> found;
        for (const auto& [root, registry] : roots_) {
            const platform::RegistryStore& store = registry->Store();
            if (store.loadState() == platform::RegistryStore::LoadState::Unreadable) {
                found.push_back(store.loadFailure().message + settings_messages::kStartAfresh);
            } else if (store.loadState() == platform::RegistryStore::LoadState::SetAside) {
                found.push_back(store.filePath() + settings_messages::kSetAside + store.filePath() +
                                ".corrupt" + settings_messages::kStartAfresh);
            }
        }
        return found;
    }
    IoResult flushAll() {
        IoResult result;
        for (auto& [root, registry] : roots_) {
            IoResult flushed = registry->Flush();
            if (!flushed && result)
                result = flushed;
        }
        return result;
    }

  private:
    std::map<TPRegistryRoot, std::unique_ptr<TPRegistry>> roots_;
};

namespace {

std::uint8_t randomByte() {
    static std::random_device device;
    return static_cast<std::uint8_t>(device());
}

std::string parentKey(const std::string& key) {
    auto slash = key.find_last_of('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

}  // namespace

TPSetting& TPSettings::AddSetting() {
    settings_.push_back(std::make_unique<TPSetting>(binding_));
    return *settings_.back();
}

std::string TPSettings::KeyPath() const {
    std::string key = "Software\\";
    for (const std::string* part : {&CompanyName, &SoftwareName, &SoftwareVersion}) {
        if (!part->empty())
            key += *part + "\\";
    }
    return platform::RegistryTree::normalizedPath(key + ComponentKeyName());
}

SettingLocation TPSettings::LocationOf(const TPSetting& setting) const {
    SettingLocation location;
    location.root = RegistryRootKey;
    location.ownerKey = KeyPath();
    const std::string sub = setting.SubKey();
    location.key = sub.empty() ? location.ownerKey : location.ownerKey + "\\" + sub;
    location.valueName = setting.ValueName();
    return location;
}

void TPSettings::restoreSetting(Session& session, TPSetting& setting) {
    const SettingLocation location = LocationOf(setting);
    if (location.valueName.empty())
        return;
    TPRegistry& registry = session.registry(location.root);
    if (!registry.OpenKey(location.key, false))
        return;
    std::optional<RegistryValue> stored = registry.ReadValue(location.valueName);
    if (!stored)
        return;
    // A value that does not decode, or fails its marker, leaves the
    // property as designed.
    std::optional<SettingValue> value =
        setting.Encrypted ? SettingCodec::decodeEncrypted(*stored, setting.UniqueName())
                          : SettingCodec::decode(*stored);
    if (!value || value->kind() == SettingKind::None)
        return;
    setting.SetValue(*value);
}

bool TPSettings::RestoreNow() {
    if (!designRemembered_) {
        for (auto& setting : settings_) setting->rememberDesignValue();
        designRemembered_ = true;
    }
    if (OnPreRestore)
        OnPreRestore(*this);
    bool proceed = true;
    if (OnAutoRestore)
        OnAutoRestore(*this, proceed);
    if (proceed) {
        if (!SavesToRegistry()) {
            if (OnUserRestore)
                OnUserRestore(*this);
        } else {
            Session session;
            for (auto& setting : settings_) restoreSetting(session, *setting);
            RestoreComponentValues(session.registry(RegistryRootKey));
            if (OnStoreProblem) {
                for (const std::string& problem : session.problems())
                    OnStoreProblem(*this, problem);
            }
        }
    }
    restored_ = true;
    if (OnPostRestore)
        OnPostRestore(*this);
    return proceed;
}

void TPSettings::saveSetting(Session& session, const TPSetting& setting,
                             std::vector<SettingLocation>& emptied) {
    const SettingLocation location = LocationOf(setting);
    if (location.valueName.empty())
        return;
    std::optional<SettingValue> value = setting.Value();
    if (!value || value->kind() == SettingKind::None)
        return;
    TPRegistry& registry = session.registry(location.root);

    if (!SaveAll && setting.DesignValue() && *value == *setting.DesignValue()) {
        if (registry.OpenKey(location.key, false))
            registry.DeleteValue(location.valueName);
        emptied.push_back(location);
        return;
    }
    registry.OpenKey(location.key, true);
    if (setting.Encrypted) {
        // Each scrambling starts from a new random byte: a value kept as it
        // was is left as it is stored, so an unchanged file is not rewritten.
        const std::optional<RegistryValue> stored = registry.ReadValue(location.valueName);
        if (stored && SettingCodec::decodeEncrypted(*stored, setting.UniqueName()) == value)
            return;
        registry.WriteValue(location.valueName, RegistryValue::binary(SettingCodec::encodeEncrypted(
                                                    *value, setting.UniqueName(), randomByte())));
        return;
    }
    registry.WriteValue(location.valueName, SettingCodec::encode(*value));
}

IoResult TPSettings::SaveNow() {
    IoResult result;
    if (OnPreSave)
        OnPreSave(*this);
    bool proceed = true;
    if (OnAutoSave)
        OnAutoSave(*this, proceed);
    if (proceed) {
        if (!SavesToRegistry()) {
            if (OnUserSave)
                OnUserSave(*this);
        } else {
            Session session;
            std::vector<SettingLocation> emptied;
            for (const auto& setting : settings_) saveSetting(session, *setting, emptied);
            TPRegistry& own = session.registry(RegistryRootKey);
            own.CloseKey();
            SaveComponentValues(own);
            if (!SaveAll) {
                emptied.push_back(SettingLocation{RegistryRootKey, KeyPath(), {}, KeyPath()});
                // Delete keys left empty, from the deepest up to the
                // component's own key, never above it.
                for (const SettingLocation& location : emptied) {
                    TPRegistry& registry = session.registry(location.root);
                    for (std::string key = location.key;
                         key.size() >= location.ownerKey.size() && !key.empty();
                         key = parentKey(key)) {
                        if (!registry.OpenKey(key, false) || !registry.KeyIsEmpty())
                            break;
                        registry.DeleteKey(key);
                    }
                }
            }
            result = session.flushAll();
        }
    }
    lastSaveResult_ = result;
    if (OnPostSave)
        OnPostSave(*this);
    return result;
}

}  // namespace wendle
