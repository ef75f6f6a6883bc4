#pragma once
// Facts about the running system and its regional settings.
#include <optional>
#include <string>

namespace kefelo::platform {

// Shell special folders by their CSIDL numbers.
enum class SpecialFolder {
    Desktop = 0x0000, Programs = 0x0002, Personal = 0x0005, Favorites = 0x0006, Recent = 0x0008,
    StartMenu = 0x000B, BitBucket = 0x000A, MyMusic = 0x000D, MyVideo = 0x000E, MyPictures = 0x0027,
    DesktopDirectory = 0x0010,
    Templates = 0x0015, AppData = 0x001A, InternetCache = 0x0020, Cookies = 0x0021, History = 0x0022,
    LocalAppData = 0x001C, Profile = 0x0028, ProgramFiles = 0x0026, ProgramFilesX86 = 0x002A,
    System = 0x0025, SystemX86 = 0x0029,
};

// The running Windows' version number (6.1 is Windows 7).
struct WindowsVersion {
    unsigned major = 0;
    unsigned minor = 0;
    bool atLeast(unsigned wantMajor, unsigned wantMinor) const {
        return major > wantMajor || (major == wantMajor && minor >= wantMinor);
    }
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual std::string windowsDirectory() = 0;  // without trailing backslash
    virtual std::string tempPath() = 0;          // with trailing backslash, as GetTempPath gives it
    virtual int platformId() = 0;                // 2 on the NT family, 1 on Windows 9x
    // The true version, whatever compatibility shims would tell the program.
    virtual WindowsVersion windowsVersion() = 0;
    // Whether the process runs with an administrator's rights (elevated, on systems that
    // split the token); always true on Windows 9x.
    virtual bool isAdministrator() = 0;
    virtual std::string languageAbbreviation() = 0;  // "HUN", "ENU", ...
    // A text of the user's default locale by its LCTYPE number (3 the abbreviated
    // language name, 2 the language's name); empty when the system has none.
    virtual std::string localeInfo(unsigned kind) = 0;
    virtual std::string shortDateFormat() = 0;       // "yyyy. MM. dd."
    virtual std::string longTimeFormat() = 0;        // "H:mm:ss"
    virtual std::string decimalSeparator() = 0;      // "," or "."
    virtual std::optional<std::string> specialFolder(SpecialFolder folder) = 0;
    virtual std::string executablePath() = 0;
    // The folder that holds every user's profile ("C:\Documents and Settings", "C:\Users");
    // nullopt where the system has none (Windows 9x).
    virtual std::optional<std::string> profilesDirectory() = 0;
    // The current user's own programs folder (normally "%LOCALAPPDATA%\Programs"), where
    // a program can be installed without administrator rights; without trailing
    // backslash, and it may not exist yet. nullopt where the system has no such place.
    virtual std::optional<std::string> userProgramsDirectory() = 0;
};

}  // namespace kefelo::platform
