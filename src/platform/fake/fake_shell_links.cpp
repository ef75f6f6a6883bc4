#include "platform/fake/fake_shell_links.h"

#include <algorithm>

#include "base/text/codec.h"

namespace kefelo::platform::fake {
namespace {
// Paths name the same file whatever their letter case, as on a Windows volume.
auto findPath(std::map<std::string, ShellLink>& files, const std::string& path) {
    const std::string key = text::lower(path);
    return std::find_if(files.begin(), files.end(), [&](const auto& entry) { return text::lower(entry.first) == key; });
}
}  // namespace

std::optional<std::string> FakeShellLinks::knownFolder(KnownFolder folder) {
    const auto found = folders.find(folder);
    if (found == folders.end()) return std::nullopt;
    return found->second;
}

bool FakeShellLinks::create(const std::string& linkPath, const ShellLink& link) {
    if (!acceptCreate) return false;
    const auto found = findPath(files_, linkPath);
    if (found != files_.end()) files_.erase(found);
    files_[linkPath] = link;
    return true;
}

std::optional<ShellLink> FakeShellLinks::read(const std::string& linkPath) {
    const auto found = findPath(files_, linkPath);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

bool FakeShellLinks::remove(const std::string& linkPath) {
    const auto found = findPath(files_, linkPath);
    if (found != files_.end()) files_.erase(found);
    return true;
}

}  // namespace kefelo::platform::fake
