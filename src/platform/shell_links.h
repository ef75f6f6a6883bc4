#pragma once
// Shell shortcuts (.lnk files) and the folders the shell keeps them in for the user.
#include <optional>
#include <string>

namespace kefelo::platform {

// Folders of the current user, as the shell's known-folder lookup names them.
enum class KnownFolder { Desktop, StartMenu, Programs, Startup };

struct ShellLink {
    std::string target;
    std::string arguments;
    std::string workingDirectory;
    std::string description;
    bool operator==(const ShellLink&) const = default;
};

class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // The folder's path without a trailing backslash; nullopt when the shell cannot say.
    virtual std::optional<std::string> knownFolder(KnownFolder folder) = 0;
    // Writes the shortcut file, replacing one of the same name. False when it could not
    // be made or saved.
    virtual bool create(const std::string& linkPath, const ShellLink& link) = 0;
    // nullopt when the file is missing or is not a shortcut.
    virtual std::optional<ShellLink> read(const std::string& linkPath) = 0;
    // True when the file is gone afterwards (also when it never existed).
    virtual bool remove(const std::string& linkPath) = 0;
};

}  // namespace kefelo::platform
