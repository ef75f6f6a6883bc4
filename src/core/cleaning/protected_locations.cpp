#include "core/cleaning/protected_locations.h"

#include <optional>

#include "core/app/locations.h"

namespace kefelo::cleaning {

using platform::SpecialFolder;

ProtectedLocations::ProtectedLocations(platform::FileSystem& fs, platform::SystemInfo& sys,
                                       const std::string& programDirectory)
    : fs_(fs) {
    const std::string windows = sys.windowsDirectory();
    if (!windows.empty()) {
        guard(windows, false);
        guard(windows + "\\System32", false);
        // The profile store of Windows 9x.
        guard(windows + "\\Profiles", true);
    }
    for (SpecialFolder folder : {SpecialFolder::System, SpecialFolder::SystemX86, SpecialFolder::ProgramFiles,
                                 SpecialFolder::ProgramFilesX86, SpecialFolder::Profile}) {
        if (std::optional<std::string> path = sys.specialFolder(folder)) guard(*path, false);
    }
    if (std::optional<std::string> profiles = sys.profilesDirectory()) guard(*profiles, true);
    guard(programDirectory, false);
}

// Both the long and the short spelling: a short path whose parent cannot be looked up
// keeps its short names, and must still be recognised.
void ProtectedLocations::guard(const std::string& path, bool withChildren) {
    const std::optional<std::string> normal = app::NormalLocation(fs_, path);
    if (!normal) return;
    guarded_.push_back({*normal, withChildren});
    const std::optional<std::string> shortForm = app::NormalPath(fs_.shortPath(*normal));
    if (shortForm && !app::SameLocation(*shortForm, *normal)) guarded_.push_back({*shortForm, withChildren});
}

bool ProtectedLocations::hits(const std::string& normal) const {
    const std::string parent = app::ParentLocation(normal);
    for (const Guarded& g : guarded_) {
        // The folder itself, or one that holds it.
        if (app::IsWithinLocation(g.location, normal)) return true;
        if (g.withChildren && !parent.empty() && app::SameLocation(parent, g.location)) return true;
    }
    return false;
}

LocationVerdict ProtectedLocations::check(std::string_view path) const {
    const std::optional<std::string> normal = app::NormalLocation(fs_, path);
    if (!normal) return LocationVerdict::NotFullPath;
    if (app::IsRootLocation(*normal) || hits(*normal)) return LocationVerdict::Protected;
    const std::optional<std::string> shortForm = app::NormalPath(fs_.shortPath(*normal));
    if (shortForm && hits(*shortForm)) return LocationVerdict::Protected;
    // A junction or link could lead anywhere, a drive root included, whatever its own
    // name says: links are never followed, so one is never emptied either.
    const std::optional<uint32_t> attributes = fs_.getAttributes(*normal);
    if (attributes && (*attributes & platform::attr::kReparsePoint)) return LocationVerdict::Protected;
    return LocationVerdict::Allowed;
}

}  // namespace kefelo::cleaning
