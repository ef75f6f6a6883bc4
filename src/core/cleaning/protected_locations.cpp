#include "core/cleaning/protected_locations.h"

#include <algorithm>
#include <cctype>

#include "core/app/locations.h"
#include "base/text/codec.h"

namespace kefelo::cleaning {
namespace {

using platform::FolderIdentity;
using platform::SpecialFolder;

bool sameFolder(const FolderIdentity& a, const FolderIdentity& b) {
    if (a.fileId != 0 && a.fileId == b.fileId && a.volumeSerial == b.volumeSerial) return true;
    const std::optional<std::string> left = app::NormalPath(a.finalPath);
    const std::optional<std::string> right = app::NormalPath(b.finalPath);
    return left && right && app::SameLocation(*left, *right);
}

bool anySame(const std::vector<FolderIdentity>& list, const FolderIdentity& one) {
    return std::any_of(list.begin(), list.end(), [&](const FolderIdentity& g) { return sameFolder(g, one); });
}

// The names of a normal form below its root ("C:\A\B" -> A, B).
std::vector<std::string> componentsBelowRoot(const std::string& normal, std::string& root) {
    std::vector<std::string> parts;
    std::string current = normal;
    while (!app::IsRootLocation(current)) {
        const std::string parent = app::ParentLocation(current);
        if (parent.empty()) break;
        const size_t cut = current.find_last_of('\\');
        parts.push_back(current.substr(cut + 1));
        current = parent;
    }
    std::reverse(parts.begin(), parts.end());
    root = current;
    return parts;
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// A junction or link anywhere on the way, seen either by its attribute or by the system
// resolving the path to somewhere other than its root followed by its own names.
bool linkOnTheWay(platform::FileSystem& fs, const std::string& normal, const FolderIdentity& self) {
    std::string root;
    const std::vector<std::string> parts = componentsBelowRoot(normal, root);
    std::string prefix = root;
    for (const std::string& part : parts) {
        prefix = joined(prefix, part);
        const std::optional<uint32_t> attributes = fs.getAttributes(prefix);
        if (attributes && (*attributes & platform::attr::kReparsePoint)) return true;
    }
    const std::optional<FolderIdentity> rootIdentity = fs.identify(root);
    if (!rootIdentity) return true;
    std::string expected = rootIdentity->finalPath;
    for (const std::string& part : parts) expected = joined(expected, part);
    const std::optional<std::string> left = app::NormalPath(expected);
    const std::optional<std::string> right = app::NormalPath(self.finalPath);
    return !left || !right || !app::SameLocation(*left, *right);
}

// The identity the text as written reaches, against the one of its judged form. A bare
// drive ("D:") is the judged root by the list's own convention.
bool textLeadsToJudged(platform::FileSystem& fs, std::string_view text, const FolderIdentity& judged) {
    if (text.size() == 2 && text[1] == ':') return true;
    const std::optional<FolderIdentity> raw = fs.identify(std::string(text));
    return raw && sameFolder(*raw, judged);
}

// "\\localhost\C$\x" is "C:\x" and "\\127.0.0.1\ADMIN$\x" is the Windows directory's "x":
// the same folders, whether or not the share can be opened here.
std::optional<std::string> loopbackShareAsLocal(const std::string& normal, const std::string& windows) {
    if (normal.size() < 3 || normal[0] != '\\' || normal[1] != '\\') return std::nullopt;
    const size_t serverEnd = normal.find('\\', 2);
    if (serverEnd == std::string::npos) return std::nullopt;
    const std::string server = text::asciiLower(normal.substr(2, serverEnd - 2));
    if (server != "localhost" && server != "127.0.0.1" && server != "::1" && server != "[::1]") return std::nullopt;
    const size_t shareEnd = normal.find('\\', serverEnd + 1);
    const std::string share = normal.substr(serverEnd + 1, shareEnd == std::string::npos ? std::string::npos
                                                                                         : shareEnd - serverEnd - 1);
    const std::string rest = shareEnd == std::string::npos ? "" : normal.substr(shareEnd);
    if (share.size() == 2 && share[1] == '$' && std::isalpha(static_cast<unsigned char>(share[0]))) {
        return app::NormalPath(std::string(1, share[0]) + ":\\" + rest);
    }
    if (text::asciiLower(share) == "admin$" && !windows.empty()) return app::NormalPath(windows + rest);
    return std::nullopt;
}

}  // namespace

bool isStandardContainerFolderName(std::string_view name) {
    const std::string lower = text::lower(name);
    return lower == "temp" || lower == "templates" || lower == "temporary internet files" || lower == "cookies";
}

LocationJudgement judgeTaskLocation(platform::FileSystem& fs, std::string_view text) {
    const std::optional<std::string> normal = app::NormalLocation(fs, text);
    if (!normal) return {LocationVerdict::NotFullPath, {}};
    const std::optional<FolderIdentity> self = fs.identify(*normal);
    if (!self) return {LocationVerdict::Unidentified, *normal};
    if (linkOnTheWay(fs, *normal, *self)) return {LocationVerdict::Link, *normal};
    if (!textLeadsToJudged(fs, text, *self)) return {LocationVerdict::NamesOtherFolder, *normal};
    return {LocationVerdict::Allowed, *normal};
}

ProtectedLocations::ProtectedLocations(platform::FileSystem& fs, platform::SystemInfo& sys,
                                       const std::string& programDirectory)
    : fs_(fs) {
    const std::string windows = sys.windowsDirectory();
    if (!windows.empty()) {
        guard(windows, false);
        guard(windows + "\\System32", false);
        // The profile store of Windows 9x.
        guard(windows + "\\Profiles", true);
        if (const std::optional<std::string> normal = app::NormalLocation(fs_, windows)) {
            windows_ = fs_.identify(*normal);
            windowsNormal_ = *normal;
        }
    }
    for (SpecialFolder folder : {SpecialFolder::System, SpecialFolder::SystemX86, SpecialFolder::ProgramFiles,
                                 SpecialFolder::ProgramFilesX86, SpecialFolder::Profile}) {
        if (std::optional<std::string> path = sys.specialFolder(folder)) guard(*path, false);
    }
    if (std::optional<std::string> profiles = sys.profilesDirectory()) guard(*profiles, true);
    guard(programDirectory, false);
    guardUserData(sys);
}

// A user's own data: the current user's by the shell, every profile's by the standard
// names (Downloads and LocalLow have no older shell number at all).
void ProtectedLocations::guardUserData(platform::SystemInfo& sys) {
    for (SpecialFolder folder : {SpecialFolder::DesktopDirectory, SpecialFolder::Personal, SpecialFolder::MyPictures,
                                 SpecialFolder::MyMusic, SpecialFolder::MyVideo, SpecialFolder::Favorites,
                                 SpecialFolder::AppData, SpecialFolder::LocalAppData}) {
        if (std::optional<std::string> path = sys.specialFolder(folder)) guard(*path, false);
    }
    std::vector<std::string> roots;
    if (std::optional<std::string> profiles = sys.profilesDirectory()) roots.push_back(*profiles);
    if (std::optional<std::string> profile = sys.specialFolder(SpecialFolder::Profile)) {
        if (std::optional<std::string> normal = app::NormalPath(*profile)) roots.push_back(app::ParentLocation(*normal));
    }
    if (!windowsNormal_.empty()) roots.push_back(windowsNormal_ + "\\Profiles");
    static constexpr const char* kDataFolders[] = {
        "Desktop",   "Documents", "My Documents",     "Downloads",        "Pictures",
        "Music",     "Videos",    "Favorites",        "AppData\\Roaming", "AppData\\Local",
        "AppData\\LocalLow",      "Application Data", "Local Settings\\Application Data",
    };
    std::set<std::string> seen;
    for (const std::string& root : roots) {
        if (root.empty() || !seen.insert(text::lower(root)).second) continue;
        std::unique_ptr<platform::Listing> listing = fs_.list(joined(root, "*.*"));
        if (!listing) continue;
        std::vector<std::string> profiles;
        platform::DirEntry entry;
        while (listing->next(entry)) {
            if ((entry.attributes & platform::attr::kDirectory) && entry.name != "." && entry.name != "..") {
                profiles.push_back(joined(root, entry.name));
            }
        }
        for (const std::string& profile : profiles) {
            for (const char* name : kDataFolders) {
                const std::string path = joined(profile, name);
                if (fs_.directoryExists(path)) guard(path, false);
            }
        }
    }
}

// Both the long and the short spelling: a short path whose parent cannot be looked up
// keeps its short names, and must still be recognised.
void ProtectedLocations::guard(const std::string& path, bool withChildren) {
    const std::optional<std::string> normal = app::NormalLocation(fs_, path);
    if (!normal) return;
    guarded_.push_back({*normal, withChildren});
    const std::optional<std::string> shortForm = app::NormalPath(fs_.shortPath(*normal));
    if (shortForm && !app::SameLocation(*shortForm, *normal)) guarded_.push_back({*shortForm, withChildren});
    guardIdentity(*normal, withChildren);
}

void ProtectedLocations::guardIdentity(const std::string& normal, bool withChildren) {
    const std::optional<FolderIdentity> self = fs_.identify(normal);
    if (!self) return;
    places_.push_back(*self);
    if (withChildren) childrenGuarded_.push_back(*self);
    // The place and every folder above it, by the path the system resolved it to.
    std::optional<std::string> current = app::NormalPath(self->finalPath);
    while (current && !current->empty()) {
        if (!identified_.insert(text::lower(*current)).second) break;  // that chain is in already
        if (const std::optional<FolderIdentity> identity = fs_.identify(*current)) atOrAbove_.push_back(*identity);
        if (app::IsRootLocation(*current)) break;
        current = app::ParentLocation(*current);
    }
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

LocationVerdict ProtectedLocations::byIdentity(const FolderIdentity& self, const LocationScope& scope) const {
    if (anySame(atOrAbove_, self)) return LocationVerdict::Protected;
    // The folders above, from the direct parent up, as the system resolved the path.
    const std::optional<std::string> finalNormal = app::NormalPath(self.finalPath);
    if (!finalNormal) return LocationVerdict::Unidentified;
    std::string root;
    const std::vector<std::string> parts = componentsBelowRoot(*finalNormal, root);
    std::string current = *finalNormal;
    for (size_t level = 1; level <= parts.size(); ++level) {
        current = app::ParentLocation(current);
        const std::optional<FolderIdentity> above = fs_.identify(current);
        if (!above) return LocationVerdict::Unidentified;
        if (level == 1 && anySame(childrenGuarded_, *above)) return LocationVerdict::Protected;
        if (windows_ && !scope.insideWindows && sameFolder(*windows_, *above)) {
            // Inside the Windows directory only its standard temporary folders and what
            // lies below them may go.
            const bool temporary = std::any_of(parts.end() - static_cast<std::ptrdiff_t>(level), parts.end(),
                                               [](const std::string& name) { return isStandardContainerFolderName(name); });
            return temporary ? LocationVerdict::Allowed : LocationVerdict::Protected;
        }
    }
    return LocationVerdict::Allowed;
}

LocationVerdict ProtectedLocations::wholeDrive(std::string_view text, const std::string& normal,
                                               const LocationScope& scope) const {
    // Only a drive letter the add chain stored ("D:") can be a container; a share root
    // belongs to another machine's users.
    const bool storedDrive = text.size() == 2 && text[1] == ':' && normal.size() == 3;
    if (!scope.drivesUnlocked || !storedDrive) return LocationVerdict::DriveLocked;
    for (const Guarded& g : guarded_) {
        if (app::IsWithinLocation(g.location, normal)) return LocationVerdict::DriveHoldsGuarded;
    }
    const std::optional<FolderIdentity> root = fs_.identify(normal);
    if (!root) return LocationVerdict::Unidentified;
    // A second letter for the system drive, or a letter for a folder on it, is that drive.
    for (const FolderIdentity& place : places_) {
        if (place.volumeSerial == root->volumeSerial) return LocationVerdict::DriveHoldsGuarded;
    }
    if (anySame(atOrAbove_, *root)) return LocationVerdict::DriveHoldsGuarded;
    return LocationVerdict::Allowed;
}

LocationJudgement ProtectedLocations::judge(std::string_view text, const LocationScope& scope) const {
    const std::optional<std::string> normal = app::NormalLocation(fs_, text);
    if (!normal) return {LocationVerdict::NotFullPath, {}};
    LocationJudgement judgement{LocationVerdict::Protected, *normal};
    if (app::IsRootLocation(*normal)) {
        judgement.verdict = wholeDrive(text, *normal, scope);
        return judgement;
    }
    if (hits(*normal)) return judgement;
    const std::optional<std::string> shortForm = app::NormalPath(fs_.shortPath(*normal));
    if (shortForm && hits(*shortForm)) return judgement;
    if (const std::optional<std::string> local = loopbackShareAsLocal(*normal, windowsNormal_)) {
        if (app::IsRootLocation(*local) || hits(*local)) return judgement;
    }

    const std::optional<FolderIdentity> self = fs_.identify(*normal);
    if (!self) {
        judgement.verdict = LocationVerdict::Unidentified;
    } else if (linkOnTheWay(fs_, *normal, *self)) {
        judgement.verdict = LocationVerdict::Link;
    } else if (!textLeadsToJudged(fs_, text, *self)) {
        judgement.verdict = LocationVerdict::NamesOtherFolder;
    } else {
        judgement.verdict = byIdentity(*self, scope);
    }
    return judgement;
}

}  // namespace kefelo::cleaning
