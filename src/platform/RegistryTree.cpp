#include "platform/RegistryTree.h"

#include <algorithm>
#include <stdexcept>

namespace wendle::platform {

namespace {

char foldedChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldedChar(x) == foldedChar(y);
           });
}

}  // namespace

std::string RegistryTree::folded(const std::string& text) {
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(), foldedChar);
    return result;
}

std::string RegistryTree::normalizedPath(const std::string& key) {
    std::string result;
    std::size_t start = 0;
    while (start <= key.size()) {
        std::size_t end = key.find('\\', start);
        if (end == std::string::npos)
            end = key.size();
        if (end > start) {
            if (!result.empty())
                result += '\\';
            result.append(key, start, end - start);
        }
        start = end + 1;
    }
    return result;
}

RegistryTree::Key* RegistryTree::find(const std::string& key) {
    auto found = keys_.find(folded(normalizedPath(key)));
    return found == keys_.end() ? nullptr : &found->second;
}

const RegistryTree::Key* RegistryTree::find(const std::string& key) const {
    auto found = keys_.find(folded(normalizedPath(key)));
    return found == keys_.end() ? nullptr : &found->second;
}

bool RegistryTree::keyExists(const std::string& key) const {
    return normalizedPath(key).empty() || find(key) != nullptr;
}

void RegistryTree::createKey(const std::string& key) {
    const std::string path = normalizedPath(key);
    std::size_t end = 0;
    while (end != std::string::npos && !path.empty()) {
        end = path.find('\\', end + 1);
        std::string partial = path.substr(0, end);
        keys_.try_emplace(folded(partial), Key{partial, {}});
    }
}

bool RegistryTree::deleteKey(const std::string& key) {
    const std::string path = folded(normalizedPath(key));
    if (path.empty()) {
        bool hadKeys = !keys_.empty();
        keys_.clear();
        return hadKeys;
    }
    auto found = keys_.find(path);
    if (found == keys_.end())
        return false;
    const std::string childPrefix = path + '\\';
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == path || it->first.starts_with(childPrefix)) {
            it = keys_.erase(it);
        } else {
            ++it;
        }
    }
    return true;
}

std::optional<RegistryValue> RegistryTree::readValue(const std::string& key,
                                                     const std::string& name) const {
    const Key* entry = find(key);
    if (!entry)
        return std::nullopt;
    for (const auto& [valueName, value] : entry->values) {
        if (sameName(valueName, name))
            return value;
    }
    return std::nullopt;
}

void RegistryTree::writeValue(const std::string& key, const std::string& name,
                              RegistryValue value) {
    // The root itself holds no values in this store.
    if (normalizedPath(key).empty())
        throw std::invalid_argument("A value needs a key");
    createKey(key);
    Key* entry = find(key);
    for (auto& [valueName, stored] : entry->values) {
        if (sameName(valueName, name)) {
            stored = std::move(value);
            return;
        }
    }
    entry->values.emplace_back(name, std::move(value));
}

bool RegistryTree::deleteValue(const std::string& key, const std::string& name) {
    Key* entry = find(key);
    if (!entry)
        return false;
    auto found = std::find_if(entry->values.begin(), entry->values.end(),
                              [&](const auto& pair) { return sameName(pair.first, name); });
    if (found == entry->values.end())
        return false;
    entry->values.erase(found);
    return true;
}

std::vector<std::string> RegistryTree::valueNames(const std::string& key) const {
    std::vector<std::string> names;
    if (const Key* entry = find(key)) {
        for (const auto& pair : entry->values) names.push_back(pair.first);
    }
    return names;
}

std::vector<std::string> RegistryTree::subKeyNames(const std::string& key) const {
    const std::string path = folded(normalizedPath(key));
    const std::string prefix = path.empty() ? std::string() : path + '\\';
    std::vector<std::string> names;
    for (const auto& [foldedPath, entry] : keys_) {
        if (!foldedPath.starts_with(prefix) || foldedPath.size() == prefix.size())
            continue;
        if (foldedPath.find('\\', prefix.size()) != std::string::npos)
            continue;
        names.push_back(entry.path.substr(prefix.size()));
    }
    return names;
}

std::vector<const RegistryTree::Key*> RegistryTree::keys() const {
    std::vector<const Key*> result;
    for (const auto& pair : keys_) result.push_back(&pair.second);
    return result;
}

bool RegistryTree::operator==(const RegistryTree& other) const {
    if (keys_.size() != other.keys_.size())
        return false;
    for (const auto& [path, entry] : keys_) {
        auto found = other.keys_.find(path);
        if (found == other.keys_.end())
            return false;
        const Key& theirs = found->second;
        if (entry.path != theirs.path || entry.values != theirs.values)
            return false;
    }
    return true;
}

}  // namespace wendle::platform
