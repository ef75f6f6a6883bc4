#pragma once
// The folders no container may be: emptying one of them, or a folder that holds one,
// would wipe the system, the installed programs, the users' data or this program itself.
// The container list is a text file anyone may edit, so this is checked right before a
// folder is emptied, whatever the list says; the add chain asks the same question.
//
// Protected: every drive root and network share root; the Windows directory and its
// System32 (SysWOW64 too, where there is one); the profiles root and every folder directly
// in it (a user's profile), and the current user's profile; the Program Files folders; the
// program's own folder; and every folder above any of these. The standard temporary
// folders below them (the Windows directory's Temp, a profile's Temp) stay valid.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/system_info.h"

namespace kefelo::cleaning {

enum class LocationVerdict {
    Allowed,
    Protected,
    NotFullPath,  // relative or malformed: it could mean any folder at all
};

class ProtectedLocations {
public:
    // Asks the system once; `programDirectory` is the executable's folder.
    ProtectedLocations(platform::FileSystem& fs, platform::SystemInfo& sys, const std::string& programDirectory);

    LocationVerdict check(std::string_view path) const;
    bool allows(std::string_view path) const { return check(path) == LocationVerdict::Allowed; }

private:
    struct Guarded {
        std::string location;  // normal form
        bool withChildren;     // every folder directly inside is guarded as well
    };
    void guard(const std::string& path, bool withChildren);
    bool hits(const std::string& normal) const;

    platform::FileSystem& fs_;
    std::vector<Guarded> guarded_;
};

}  // namespace kefelo::cleaning
