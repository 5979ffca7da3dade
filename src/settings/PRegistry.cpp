#include "settings/PRegistry.h"

#include "settings/Messages.h"

namespace wendle {

using platform::RegistryStore;
using platform::RegistryTree;
using platform::RegistryValue;

platform::RegistryRoot TPRegistry::platformRoot(TPRegistryRoot root) {
    return root == TPRegistryRoot::prkCurrentUser ? platform::RegistryRoot::CurrentUser
                                                  : platform::RegistryRoot::LocalMachine;
}

TPRegistry::TPRegistry(TPRegistryRoot root)
    : store_(RegistryStore::filePathFor(platformRoot(root))) {}

TPRegistry::TPRegistry(std::string storeFile) : store_(std::move(storeFile)) {}

bool TPRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = RegistryTree::normalizedPath(key);
    if (path.empty())
        return false;  // the root holds no values
    if (!store_.read().keyExists(path)) {
        if (!canCreate)
            return false;
        store_.edit().createKey(path);
    }
    currentKey_ = path;
    return true;
}

bool TPRegistry::KeyExists(const std::string& key) const {
    return store_.read().keyExists(key);
}

bool TPRegistry::KeyIsEmpty() const {
    return GetValueNames().empty() && GetKeyNames().empty();
}

std::vector<std::string> TPRegistry::GetKeyNames() const {
    return store_.read().subKeyNames(currentKey_);
}

std::vector<std::string> TPRegistry::GetValueNames() const {
    return currentKey_.empty() ? std::vector<std::string>() : store_.read().valueNames(currentKey_);
}

bool TPRegistry::DeleteKey(const std::string& key) {
    if (RegistryTree::normalizedPath(key).empty() || !store_.read().keyExists(key))
        return false;
    bool deleted = store_.edit().deleteKey(key);
    // The open key may have been inside the deleted one.
    if (!currentKey_.empty() && !store_.read().keyExists(currentKey_))
        currentKey_.clear();
    return deleted;
}

bool TPRegistry::ValueExists(const std::string& name) const {
    return ReadValue(name).has_value();
}

std::optional<RegistryValue> TPRegistry::ReadValue(const std::string& name) const {
    if (currentKey_.empty())
        return std::nullopt;
    return store_.read().readValue(currentKey_, name);
}

void TPRegistry::WriteValue(const std::string& name, RegistryValue value) {
    if (currentKey_.empty())
        throw SettingsError("No registry key is open");
    store_.edit().writeValue(currentKey_, name, std::move(value));
}

bool TPRegistry::DeleteValue(const std::string& name) {
    if (!ValueExists(name))
        return false;
    return store_.edit().deleteValue(currentKey_, name);
}

platform::IoResult TPRegistry::Flush() {
    return store_.flush();
}

}  // namespace wendle
