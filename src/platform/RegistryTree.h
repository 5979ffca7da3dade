#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/RegistryValue.h"

namespace wendle::platform {

// The keys and values of one root of the store, in memory. A key is a
// backslash path such as "Software\Orvanta Software\Wendle\5\mainWindow";
// key and value names compare without regard to ASCII letter case, as the
// program has always expected, and keep the case they were created with.
// Empty path parts are ignored ("a\\b\" is "a\b"); the empty path is the root.
class RegistryTree {
  public:
    struct Key {
        std::string path;  // as first created
        std::vector<std::pair<std::string, RegistryValue>> values;
    };

    bool keyExists(const std::string& key) const;
    // Creates the key and every missing parent.
    void createKey(const std::string& key);
    // Removes the key with all its sub-keys and values; false when absent.
    bool deleteKey(const std::string& key);

    std::optional<RegistryValue> readValue(const std::string& key, const std::string& name) const;
    // Creates the key when needed; replaces a value of the same name.
    // Throws std::invalid_argument for the root key.
    void writeValue(const std::string& key, const std::string& name, RegistryValue value);
    bool deleteValue(const std::string& key, const std::string& name);

    std::vector<std::string> valueNames(const std::string& key) const;
    // The names of the direct sub-keys (last path part only).
    std::vector<std::string> subKeyNames(const std::string& key) const;

    // Every key, parents before their sub-keys.
    std::vector<const Key*> keys() const;

    bool operator==(const RegistryTree& other) const;

    // "a\\b\" -> "a\b"; the canonical spelling of a key path.
    static std::string normalizedPath(const std::string& key);

  private:
    static std::string folded(const std::string& text);
    Key* find(const std::string& key);
    const Key* find(const std::string& key) const;

    // Keyed by the folded normalised path.
    std::map<std::string, Key> keys_;
};

}  // namespace wendle::platform
