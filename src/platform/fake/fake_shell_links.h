#pragma once
// Shortcuts kept in memory, with the known folders set by the test.
#include <map>
#include <optional>
#include <string>

#include "platform/shell_links.h"

namespace kefelo::platform::fake {

class FakeShellLinks : public ShellLinks {
public:
    std::map<KnownFolder, std::string> folders;
    // What create() reports; a refused create writes nothing.
    bool acceptCreate = true;

    std::optional<std::string> knownFolder(KnownFolder folder) override;
    bool create(const std::string& linkPath, const ShellLink& link) override;
    std::optional<ShellLink> read(const std::string& linkPath) override;
    bool remove(const std::string& linkPath) override;

    // The shortcuts written, by path as given to create().
    const std::map<std::string, ShellLink>& files() const { return files_; }

private:
    std::map<std::string, ShellLink> files_;
};

}  // namespace kefelo::platform::fake
