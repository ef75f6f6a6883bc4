#include "platform/fake/fake_system.h"

#include "base/text/codec.h"

namespace kefelo::platform::fake {

std::string FakeSystemInfo::localeInfo(unsigned kind) {
    const auto found = locale.find(kind);
    if (found != locale.end()) return found->second;
    return kind == 3 ? language : std::string();
}

std::optional<std::string> FakeSystemInfo::specialFolder(SpecialFolder folder) {
    auto it = folders.find(folder);
    if (it == folders.end()) return std::nullopt;
    return it->second;
}

namespace {
// Key paths compare without regard to case and without stray backslashes at either end.
std::string normalizeKey(const std::string& key) {
    size_t begin = key.find_first_not_of('\\');
    if (begin == std::string::npos) return "";
    size_t end = key.find_last_not_of('\\');
    return text::lower(key.substr(begin, end - begin + 1));
}
}  // namespace

std::optional<std::string> FakeRegistry::readString(RegistryRoot root, const std::string& key,
                                                    const std::string& name) {
    auto it = keys_.find({static_cast<int>(root), normalizeKey(key)});
    if (it == keys_.end()) return std::nullopt;
    auto value = it->second.find(text::lower(name));
    if (value == it->second.end()) return std::nullopt;
    return value->second;
}

bool FakeRegistry::writeString(RegistryRoot root, const std::string& key, const std::string& name,
                               const std::string& value) {
    std::string path = normalizeKey(key);
    if (path.empty() || refuseWrites) return false;
    // Creating a key creates every missing key above it.
    for (size_t pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1)) {
        keys_[{static_cast<int>(root), path.substr(0, pos)}];
    }
    keys_[{static_cast<int>(root), path}][text::lower(name)] = value;
    return true;
}

bool FakeRegistry::deleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
    auto it = keys_.find({static_cast<int>(root), normalizeKey(key)});
    if (it == keys_.end()) return false;
    return it->second.erase(text::lower(name)) > 0;
}

bool FakeRegistry::deleteKey(RegistryRoot root, const std::string& key) {
    std::string path = normalizeKey(key);
    if (path.empty()) return false;
    bool found = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
        const auto& [r, k] = it->first;
        bool below = k.size() > path.size() && k.compare(0, path.size(), path) == 0 && k[path.size()] == '\\';
        if (r == static_cast<int>(root) && (k == path || below)) {
            found = found || k == path;
            it = keys_.erase(it);
        } else {
            ++it;
        }
    }
    return found;
}

bool FakeRegistry::keyExists(RegistryRoot root, const std::string& key) {
    return keys_.count({static_cast<int>(root), normalizeKey(key)}) > 0;
}

}  // namespace kefelo::platform::fake
