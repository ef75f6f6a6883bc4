// Feeds arbitrary list lines to the location guard over a disk with a second drive letter,
// shares and links, and checks what a run relies on: an allowed line is judged in a form
// the line itself leads to, lies on no link, is no guarded place and holds none, and a
// second letter for the same drive gets the same verdict.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "core/app/locations.h"
#include "core/cleaning/protected_locations.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_system.h"

using kefelo::cleaning::LocationVerdict;
using kefelo::cleaning::ProtectedLocations;
using kefelo::platform::FolderIdentity;

namespace {

void require(bool condition) {
    if (!condition) abort();
}

constexpr const char* kGuarded[] = {"C:\\WINDOWS", "C:\\Kefelo", "C:\\Users", "C:\\Users\\bob",
                                    "C:\\Users\\bob\\Documents", "C:\\Program Files"};

struct World {
    kefelo::platform::fake::FakeFileSystem fs;
    kefelo::platform::fake::FakeSystemInfo sys;
    std::optional<ProtectedLocations> guard;

    World() {
        for (const char* folder :
             {"C:\\WINDOWS\\Temp\\Sub", "C:\\WINDOWS\\Fonts", "C:\\WINDOWS\\System32\\drivers", "C:\\Kefelo\\Zipped",
              "C:\\Users\\bob\\Documents\\Cache", "C:\\Users\\bob\\Temp", "C:\\Program Files\\App\\Cache",
              "C:\\Work\\Temp", "C:\\Work\\x", "D:\\Ram"}) {
            fs.addDirectory(folder);
        }
        fs.setShortName("C:\\Program Files", "PROGRA~1");
        fs.addLink("C:\\Work\\lnk", "C:\\");
        fs.addLink("C:\\Work\\x ", "C:\\WINDOWS");
        fs.addLink("C:\\Documents and Settings", "C:\\Users");
        fs.addDriveAlias('Y', "C:\\");
        fs.addShareAlias("localhost\\C$", "C:\\");
        sys.windowsDir = "C:\\WINDOWS";
        sys.profilesDir = "C:\\Users";
        sys.folders[kefelo::platform::SpecialFolder::ProgramFiles] = "C:\\Program Files";
        guard.emplace(fs, sys, "C:\\Kefelo\\");
    }
};

World& world() {
    static World* w = new World;
    return *w;
}

std::optional<FolderIdentity> identityOf(const std::string& path) { return world().fs.identify(path); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    World& w = world();
    const kefelo::cleaning::LocationJudgement judged = w.guard->judge(input, {true, false});
    if (judged.verdict == LocationVerdict::Allowed) {
        const std::optional<FolderIdentity> self = identityOf(judged.location);
        require(self.has_value());
        require(kefelo::app::NormalPath(judged.location) == judged.location);
        // The text as written leads to the judged folder (a stored drive "X:" is its root).
        if (!(input.size() == 2 && input[1] == ':')) {
            const std::optional<FolderIdentity> raw = identityOf(input);
            require(raw && raw->fileId == self->fileId);
        }
        for (const char* guarded : kGuarded) {
            const std::optional<FolderIdentity> place = identityOf(guarded);
            require(place.has_value());
            require(!kefelo::app::IsWithinLocation(place->finalPath, self->finalPath));
        }
        // Inside the Windows directory only what lies in its Temp.
        if (kefelo::app::IsWithinLocation(self->finalPath, "C:\\WINDOWS")) {
            require(kefelo::app::IsWithinLocation(self->finalPath, "C:\\WINDOWS\\Temp"));
        }
    }
    // The same line on the second letter of drive C is the same folder.
    if (input.size() >= 3 && (input[0] == 'C' || input[0] == 'c') && input[1] == ':' &&
        (input[2] == '\\' || input[2] == '/')) {
        const std::string other = "Y" + input.substr(1);
        const LocationVerdict verdict = w.guard->check(other, {true, false});
        const bool bothRefused = verdict != LocationVerdict::Allowed && judged.verdict != LocationVerdict::Allowed;
        require(verdict == judged.verdict || bothRefused);
    }
    return 0;
}
