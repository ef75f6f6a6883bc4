#pragma once
// The folders no container may be: emptying one of them, or a folder that holds one,
// would wipe the system, the installed programs, the users' data or this program itself.
// The container list is a text file anyone may edit, so this is checked right before a
// folder is emptied, whatever the list says; the add chain and the system stores ask the
// same question.
//
// Protected: every drive root and network share root (a whole drive only as below); the
// Windows directory and everything inside it but its standard temporary folders; System32
// (SysWOW64 too); the profiles root and every profile in it; a user's own data folders
// (Desktop, Documents, Downloads, Pictures, Music, Videos, Favorites, the AppData roots);
// the Program Files folders; the program's own folder; and every folder above any of them.
// Temporary folders and caches below them stay valid.
//
// A folder is judged by what it is, not by how it is spelled: a second drive letter, an
// administrative share or a link above it leads to the same folder, so every decision
// compares identities (volume serial and file id, or the final path the system resolves).
// No junction or link may appear anywhere on a container's path, and a folder whose
// identity cannot be had is not emptied. The judged form is what gets emptied.
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/system_info.h"

namespace kefelo::cleaning {

enum class LocationVerdict {
    Allowed,
    Protected,         // a guarded place, inside one that allows nothing, or above one
    NotFullPath,       // relative or malformed: it could mean any folder at all
    Link,              // a junction or link somewhere on the way
    Unidentified,      // the system could not say which folder it is
    NamesOtherFolder,  // the text as written leads elsewhere than its judged form
    DriveLocked,       // a whole drive while whole drives are not allowed, or not in the stored "X:" form
    DriveHoldsGuarded, // a whole drive that holds the system, the profiles, the programs or this program
};

struct LocationJudgement {
    LocationVerdict verdict = LocationVerdict::NotFullPath;
    // The normal form that was judged: the one folder a run may empty for this text.
    std::string location;
    bool allowed() const { return verdict == LocationVerdict::Allowed; }
};

// What the caller may empty beyond ordinary folders.
struct LocationScope {
    // Whole drives are unlocked (check_nodrive): a drive stored as "X:" that holds no
    // guarded place may be emptied.
    bool drivesUnlocked = false;
    // The system stores inside the Windows directory (its uninstall folders, the driver
    // cache): they are the program's own fixed choice, never a list line.
    bool insideWindows = false;
};

// One folder name (no path) of the standard temporary folders: "temp", "templates",
// "temporary internet files", "cookies", letter case ignored.
bool isStandardContainerFolderName(std::string_view name);

// A task's location is walked, not emptied: it must be a full path with no link on the way,
// and its text must lead where its judged form does. Guarded places are not refused: a
// task deletes only files that match its masks, anywhere.
LocationJudgement judgeTaskLocation(platform::FileSystem& fs, std::string_view text);

class ProtectedLocations {
public:
    // Asks the system once; `programDirectory` is the executable's folder.
    ProtectedLocations(platform::FileSystem& fs, platform::SystemInfo& sys, const std::string& programDirectory);

    LocationJudgement judge(std::string_view text, const LocationScope& scope = {}) const;
    LocationVerdict check(std::string_view text, const LocationScope& scope = {}) const {
        return judge(text, scope).verdict;
    }
    bool allows(std::string_view text, const LocationScope& scope = {}) const { return judge(text, scope).allowed(); }

private:
    struct Guarded {
        std::string location;  // normal form
        bool withChildren;     // every folder directly inside is guarded as well
    };
    void guard(const std::string& path, bool withChildren);
    void guardIdentity(const std::string& normal, bool withChildren);
    void guardUserData(platform::SystemInfo& sys);
    bool hits(const std::string& normal) const;
    LocationVerdict byIdentity(const platform::FolderIdentity& self, const LocationScope& scope) const;
    LocationVerdict wholeDrive(std::string_view text, const std::string& normal, const LocationScope& scope) const;

    platform::FileSystem& fs_;
    std::vector<Guarded> guarded_;
    // Each guarded place and every folder above it: a container may be none of them.
    std::vector<platform::FolderIdentity> atOrAbove_;
    // Folders whose direct children are guarded (the profiles roots).
    std::vector<platform::FolderIdentity> childrenGuarded_;
    // The guarded places themselves: a whole drive may hold none of them.
    std::vector<platform::FolderIdentity> places_;
    std::optional<platform::FolderIdentity> windows_;
    std::string windowsNormal_;
    std::set<std::string> identified_;  // folders whose chain upwards is in atOrAbove_
};

}  // namespace kefelo::cleaning
