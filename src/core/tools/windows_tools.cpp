#include "core/tools/windows_tools.h"

#include "core/app/busy_guard.h"
#include "core/cleaning/log_files.h"
#include "core/tools/disk_table.h"

namespace kefelo::tools {
namespace {

using platform::Buttons;
using platform::MessageKind;

constexpr std::string_view kArchiveDirectoryHint = "A Windows Intézőben megnyitja az utolsó tömörítvény helyét";
constexpr std::string_view kInternetNeeded =
    "FIGYELEM! A weblap megtekintéséhez természetesen élő Internet-kapcsolat szükséges!";
// A longer path is refused rather than handed to Notepad.
constexpr size_t kLongestLogPath = 1000;

std::string firstExisting(platform::FileSystem& fs, const std::string& a, const std::string& b) {
    if (fs.fileExists(a)) return a;
    if (fs.fileExists(b)) return b;
    return {};
}

// Characters, not bytes: accented names take two bytes each in UTF-8.
size_t characterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string withoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

bool isNotFoundHint(std::string_view hint) { return hint.starts_with("A "); }

ToolCommands findToolCommands(platform::FileSystem& fs, const std::string& windowsDirectory, bool ntFamily,
                              platform::WindowsVersion version) {
    ToolCommands commands;
    if (ntFamily) {
        const std::string system = windowsDirectory + "\\System32\\";
        const char* defrag = version.atLeast(6, 1) ? "dfrgui.exe" : "dfrg.msc";
        commands.defrag = fs.fileExists(system + defrag) ? defrag : kDefragNotFound;
        commands.diskCleanup = fs.fileExists(system + "cleanmgr.exe") ? "cleanmgr.exe" : kDiskCleanupNotFound;
        return commands;
    }
    commands.defrag = firstExisting(fs, windowsDirectory + "\\System32\\defrag.exe", windowsDirectory + "\\defrag.exe");
    if (commands.defrag.empty()) commands.defrag = kDefragNotFound;
    commands.diskCleanup =
        firstExisting(fs, windowsDirectory + "\\System32\\CLEANMGR.EXE", windowsDirectory + "\\CLEANMGR.EXE");
    if (commands.diskCleanup.empty()) commands.diskCleanup = kDiskCleanupNotFound;
    return commands;
}

std::string archiveDirectory(const config::ConfigModel& config, const std::string& programDirectory) {
    return config.zipDirectory.empty() ? programDirectory + "Zipped" : config.zipDirectory;
}

WindowsTools::WindowsTools(const WindowsToolsContext& context, const app::Activity* activity)
    : ctx_(context),
      activity_(activity),
      commands_(findToolCommands(context.platform.fs, context.platform.sys.windowsDirectory(), context.ntFamily,
                                 context.platform.sys.windowsVersion())) {}

std::string WindowsTools::hint(ToolButton button) const {
    switch (button) {
        case ToolButton::Defrag:
            return commands_.defrag;
        case ToolButton::DiskCleanup:
            return commands_.diskCleanup;
        case ToolButton::DataRecoveryHomePage:
            return std::string(kDataRecoveryHomePage);
        case ToolButton::RegistryToolHomePage:
            return std::string(kRegistryToolHomePage);
        case ToolButton::DiskInfo:
            return std::string(kDiskInfoHint);
        case ToolButton::ArchiveDirectory:
            return std::string(kArchiveDirectoryHint);
        default:
            return {};
    }
}

std::string WindowsTools::description(ToolButton button) const {
    switch (button) {
        case ToolButton::Defrag:
            if (isNotFoundHint(commands_.defrag)) return {};
            return std::string("Válassza ki, hogy mely meghajtót kívánja töredezettség-mentesíteni, majd kattintson ") +
                   (ctx_.ntFamily ? "a \"Töredezettségmentesítés\" gombra!" : "az \"OK\" gombra!");
        case ToolButton::DiskCleanup:
            if (isNotFoundHint(commands_.diskCleanup)) return {};
            return "Válassza ki, hogy mely meghajtón kíván dolgozni, majd kattintson az \"OK\" gombra!";
        case ToolButton::FormatFloppy:
            return "Ha a számítógép kislemez-meghajtójában (többnyire 3,5\") található adathordozó, akkor megjelenik a "
                   "Windows Intézőben megismerhetett kislemez-formázási ablak.\r\nFIGYELEM!\r\nA formázás a kislemez "
                   "teljes tartalmának elvesztését vonja maga után!";
        case ToolButton::LastLog:
            return "A Jegyzettömbben (notepad.exe) megjeleníti a legutolsó, automatikusan mentett Takarítási naplót.";
        case ToolButton::ProgramDirectory:
            return "A Kefeló egy könyvtárba teszi a használt segédállományait. Ez az a könyvtár, ahol a program "
                   "indítóállománya(kefelo.exe) is szerepel.\r\nA gomb segítségével megnyithatjuk a Kefeló könyvtárát "
                   "a Windows Intézőben.\r\n\r\nA program könyvtára a következő elérési úton található:\r\n" +
                   withoutTrailingBackslash(ctx_.programDirectory);
        case ToolButton::ArchiveDirectory: {
            const std::string folder = archiveDirectory(ctx_.config, ctx_.programDirectory);
            const bool exists = ctx_.platform.fs.directoryExists(folder);
            return std::string(
                       "Az \"Átmenti állományok kezelésében\" lehetőségünk van a talált és aktívvá tett átmeneti "
                       "állományok betömörítésére is.\r\nA gomb segítségével a legutoljára készített tömörítvény "
                       "helyét jeleníthetjük meg a Windows Intézőben.\r\n\r\n") +
                   (exists ? "A legutoljára elkészített tömörítvény helye:"
                           : "Figyelem! A könyvtár nem található az alábbi helyen :") +
                   "\r\n" + folder;
        }
        case ToolButton::Forum:
            return "Az alapértelmezett böngészőprogramban megnyitja azt a weblapot, melyen a Kefeló felhasználói által "
                   "küldött hozzászólásokat, észrevételeket olvashatjuk.\r\n\r\nA fórumon lehetőség van a meglévő "
                   "hozzászóláskora válaszolni is, illetve új hozzászólás-csoportot létrehozni.\r\n\r\nA weblap "
                   "megtekintéséhez természetesen élő Internet-kapcsolat szükséges!";
        case ToolButton::DataRecoveryDownload:
            return "A \"PC Inspector File Recovery\" program egy adat-visszamentő program.\r\nHasználatával esélyünk "
                   "lehet arra, hogy törölt állományokat visszaállítsunk.\r\n\r\nA Kefeló kiszolgálójáról letölthető "
                   "változat főbb paraméterei:\r\nNév: fs40.exe  |  Verzió: 4.0  |  Méret: 6.1 Mbájt  |  Nyelv: Angol  "
                   "|  Jogállása: Freeware (ingyenes)\r\n\r\nKattintson a gombra a letöltés elindításához az "
                   "alapértelmezett böngészőprogrammal.\r\nFIGYELEM! A letöltéshez természetesen élő "
                   "Internet-kapcsolat szükséges!";
        case ToolButton::RegistryToolDownload:
            return "A program segítségével a Regisztációs Adatbázist tarthatjuk karban. Ez az Adatbázis befolyásolja a "
                   "rendszerünk működését, ezért azt csak körültekintően lehet módosítani. Épp erre való ez a "
                   "program.\r\n\r\nA program főbb paraméterei:\r\nNév: jv16.exe  |  Verzió: 1.4.1  |  Méret: "
                   "1.53Mbájt  |  Nyelv: Angol(magyarítható)  |  Jogállása: Trial (30 napos próbaverzió)\r\n\r\n"
                   "Kattintson a gomra a letöltés elindításához az alapértelmezett böngészőprogrammal.\r\n!FIGYELEM! "
                   "A letöltéshez természetesen élő Internet-kapcsolat szükséges!";
        case ToolButton::DataRecoveryHomePage:
        case ToolButton::RegistryToolHomePage:
            return "Az alapértelmezett böngészőprogramban megnyitja a program honlapját:\r\n" + hint(button) +
                   "\r\n\r\n" + std::string(kInternetNeeded);
        case ToolButton::DiskInfo:
            return "Elkészít egy olyan táblázatot, amelyben megvizsgálhatja, hogy a számítógépéhez csatlakoztatott "
                   "meghajtókon mennyi szabad, még felhasználható lemezterület van.";
    }
    return {};
}

void WindowsTools::open(const std::string& target) { ctx_.shell.executeFile(target, "", "", true); }

void WindowsTools::startTool(const std::string& command) {
    // The button names what is missing; a click that did nothing would look like a fault.
    if (isNotFoundHint(command)) {
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, command);
        return;
    }
    open(command);
}

void WindowsTools::formatFloppy() {
    // Without the drive the system's dialog would have nothing to format.
    if (ctx_.platform.fs.driveType("A:\\") != platform::DriveType::Removable) {
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, std::string(kFloppyDriveNotFound));
        return;
    }
    ctx_.shell.formatFloppy();
}

void WindowsTools::viewLastLog() {
    const std::string path = ctx_.programDirectory + std::string(cleaning::kLastLogName);
    if (!ctx_.platform.fs.fileExists(path)) {
        ctx_.platform.ui.message(
            MessageKind::Information, Buttons::Ok,
            "Nem található a legutolsó Takarítási naplót tartalmazó állomány!\r\n( " + path + " )");
        return;
    }
    if (characterCount(path) > kLongestLogPath) {
        ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, std::string(kLastLogTooLong));
        return;
    }
    ctx_.shell.executeFile("notepad.exe", path, "", true);
}

void WindowsTools::openArchiveDirectory() {
    const std::string folder = archiveDirectory(ctx_.config, ctx_.programDirectory);
    if (!ctx_.platform.fs.directoryExists(folder)) {
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, std::string(kArchiveDirectoryMissing));
        return;
    }
    ctx_.shell.executeFile("explorer.exe", folder, "", true);
}

bool WindowsTools::run(ToolButton button) {
    if (activity_ && app::FutValami(*activity_, ctx_.platform.ui)) return false;
    switch (button) {
        case ToolButton::Defrag:
            startTool(commands_.defrag);
            break;
        case ToolButton::DiskCleanup:
            startTool(commands_.diskCleanup);
            break;
        case ToolButton::FormatFloppy:
            formatFloppy();
            break;
        case ToolButton::LastLog:
            viewLastLog();
            break;
        case ToolButton::ProgramDirectory:
            ctx_.shell.executeFile("explorer.exe", withoutTrailingBackslash(ctx_.programDirectory), "", true);
            break;
        case ToolButton::ArchiveDirectory:
            openArchiveDirectory();
            break;
        case ToolButton::Forum:
            open(std::string(kForumPage));
            break;
        case ToolButton::DataRecoveryDownload:
            open(ctx_.updateServer + std::string(kDataRecoveryFile));
            break;
        case ToolButton::RegistryToolDownload:
            open(ctx_.updateServer + std::string(kRegistryToolFile));
            break;
        case ToolButton::DataRecoveryHomePage:
        case ToolButton::RegistryToolHomePage:
            open(hint(button));
            break;
        case ToolButton::DiskInfo:
            break;  // the window is the page's to open
    }
    return true;
}

void WindowsTools::openHomePage() { open(std::string(kHomePage)); }

std::string authorMailUrl(const std::string& fileVersion) {
    return "mailto:" + std::string(kAuthorMail) + "?Subject=Kefelo v" + fileVersion + " eszrevetel";
}

void WindowsTools::mailToAuthor() { open(authorMailUrl(ctx_.fileVersion)); }

void WindowsTools::writeToForum() { open(std::string(kForumPage) + "#down"); }

}  // namespace kefelo::tools
