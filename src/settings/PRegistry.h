#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/IoResult.h"
#include "platform/RegistryStore.h"

namespace wendle {

enum class TPRegistryRoot { prkCurrentUser, prkLocalMachine };

// Access to one root of the registry-like store, with an open key that
// reads and writes go to. The root's file is read when the object is made
// and written by Flush(); a settings component makes one for each restore
// or save, so what another window saved in between is never lost.
class TPRegistry {
  public:
    explicit TPRegistry(TPRegistryRoot root);
    // A root kept in a given file.
    explicit TPRegistry(std::string storeFile);

    // Opens a key given from the root; false when it is missing and
    // `canCreate` is false.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey() { currentKey_.clear(); }
    const std::string& CurrentPath() const { return currentKey_; }

    bool KeyExists(const std::string& key) const;
    // True when the open key has no values and no sub-keys.
    bool KeyIsEmpty() const;
    std::vector<std::string> GetKeyNames() const;
    std::vector<std::string> GetValueNames() const;
    // Deletes a key from the root, with its sub-keys.
    bool DeleteKey(const std::string& key);

    bool ValueExists(const std::string& name) const;
    std::optional<platform::RegistryValue> ReadValue(const std::string& name) const;
    // Throws SettingsError when no key is open.
    void WriteValue(const std::string& name, platform::RegistryValue value);
    bool DeleteValue(const std::string& name);

    // Writes the root's file when anything changed.
    platform::IoResult Flush();

    const platform::RegistryStore& Store() const { return store_; }

    static platform::RegistryRoot platformRoot(TPRegistryRoot root);

  private:
    platform::RegistryStore store_;
    std::string currentKey_;
};

}  // namespace wendle
