#pragma once
// Shortcuts through the shell's link object (IShellLinkW, IPersistFile) and the
// known-folder lookup (SHGetKnownFolderPath).
#include "platform/shell_links.h"

namespace kefelo::platform::win32 {

class Win32ShellLinks : public ShellLinks {
public:
    std::optional<std::string> knownFolder(KnownFolder folder) override;
    bool create(const std::string& linkPath, const ShellLink& link) override;
    std::optional<ShellLink> read(const std::string& linkPath) override;
    bool remove(const std::string& linkPath) override;
};

}  // namespace kefelo::platform::win32
