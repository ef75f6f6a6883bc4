#include "core/containers/container_add.h"

#include "core/app/locations.h"
#include "core/app/program_texts.h"
#include "core/cleaning/protected_locations.h"
#include "core/config/list_file.h"
#include "core/containers/container_names.h"
#include "base/text/codec.h"
#include "base/time/datetime.h"

namespace kefelo::containers {
namespace {
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

void inform(platform::UiServices& ui, const std::string& text) {
    ui.message(MessageKind::Information, Buttons::Ok, text);
}

bool warnYes(platform::UiServices& ui, const std::string& text) {
    return ui.message(MessageKind::Warning, Buttons::YesNo, text) == Answer::Yes;
}

// A whole drive is confirmed twice, the second time without repeating the details.
bool confirmDrive(platform::UiServices& ui, const std::string& drive) {
    return warnYes(ui, "Ön a következő meghajtót szeretné felvenni az ürítendő közé: " + drive + "\r\n\r\n" +
                           "Ha ezt felveszi és aktívvá teszi, majd elindítja a Takarítási folyamatot, akkor a(z) " +
                           drive + " meghajtón minden adat el fog veszni!" + "\r\n\r\n" + "Valóban ezt szeretné?") &&
           warnYes(ui, "Teljesen biztos ebben?");
}

// Temp, Cookies, Templates, or "Temporary Internet Files" by its short name.
bool looksTemporary(platform::FileSystem& fs, const std::string& path) {
    const std::string name = text::lower(lastPathComponent(path));
    if (name == "temp" || name == "cookies" || name == "templates") return true;
    return text::lower(lastPathComponent(fs.shortPath(path))) == "tempor~1";
}

// Why the guard refuses a folder, in the add chain's words.
std::string refusalText(cleaning::LocationVerdict verdict, const std::string& path) {
    using cleaning::LocationVerdict;
    switch (verdict) {
        case LocationVerdict::Link:
            return "A következő könyvtár útvonalában csatolási pont vagy hivatkozás van, így bárhová vezethet; nem "
                   "veheti fel az Ürítendő tárolók közé:\r\n" + path;
        case LocationVerdict::Unidentified:
            return "A következő könyvtárat a rendszer nem tudta azonosítani, így nem veheti fel az Ürítendő tárolók "
                   "közé:\r\n" + path;
        case LocationVerdict::NamesOtherFolder:
            return "A következő szöveg más könyvtárra mutat, mint amelyet a program ellenőrizni tud, így nem veheti "
                   "fel az Ürítendő tárolók közé:\r\n" + path;
        case LocationVerdict::DriveLocked:
            return "Nem adhat meg teljes meghajtót ürítendőként!";
        case LocationVerdict::DriveHoldsGuarded:
            return "A(z) " + path + " meghajtón rendszer-, program- vagy felhasználói könyvtár (vagy maga ez a program) "
                   "van, így teljes meghajtóként nem veheti fel az Ürítendő tárolók közé!\r\n\r\n"
                   "Teljes meghajtót csak különálló átmeneti vagy RAM-meghajtóként lehet üríteni.";
        case LocationVerdict::NotFullPath:
            return "A következő könyvtár nincs teljes elérési úttal megadva, így nem veheti fel az Ürítendő tárolók "
                   "közé:\r\n" + path;
        case LocationVerdict::Allowed:
        case LocationVerdict::Protected:
            break;
    }
    return "A következő könyvtár védett helyre mutat (rendszer-, program- vagy felhasználói könyvtár, illetve ilyet "
           "tartalmaz), így nem veheti fel az Ürítendő tárolók közé:\r\n" + path;
}

std::string lastWriteDate(platform::Platform& platform, const std::string& path) {
    std::optional<platform::DirEntry> entry = platform.fs.find(path);
    if (!entry) return "0";
    const int64_t local = platform.clock.utcToLocal(entry->lastWriteUtc);
    return timeutil::formatDate(timeutil::dateOnly(timeutil::fromFileTime(local)), platform.sys.shortDateFormat());
}
}  // namespace

AddOutcome addContainer(config::ContainerGrid& grid, std::string path, const AddOptions& options,
                        platform::Platform& platform) {
    platform::UiServices& ui = platform.ui;
    if (path.empty()) return {};
    // The list file could only keep such a name as "?", which names another folder.
    if (config::refuseUnstorable(ui, path)) return {};
    if (!folderExists(platform.fs, path)) {
        if (options.viewAlerts) {
            ui.message(MessageKind::Error, Buttons::Ok,
                       "A következő könyvtár nem található, illetve -meghajtó esetén- nem tartalmaz adathordozót:\r\n" +
                           path + "\r\n\r\n" + "A listába csak létező könyvtárat lehet felvenni!");
        }
        return {};
    }
    if (path.back() == '\\') path.pop_back();

    // Every test below is made on the one spelling Windows itself resolves the text to, so
    // "C:/", "C:\." or "c:\windows\..\WINDOWS" cannot pass for another folder.
    const std::optional<std::string> location = app::NormalLocation(platform.fs, path);
    if (!location) {
        inform(ui, "A következő könyvtár nincs teljes elérési úttal megadva, így nem veheti fel az Ürítendő tárolók "
                   "közé:\r\n" + path);
        return {};
    }
    const std::optional<std::string> windowsDir = app::NormalLocation(platform.fs, platform.sys.windowsDirectory());
    const bool drive = app::IsRootLocation(*location);
    if (drive && windowsDir && app::IsWithinLocation(*windowsDir, *location)) {
        inform(ui,
               "Nem törölheti a rendszerpartíció adatait, így nem veheti fel az Ürítendő tárolók közé sem!\r\n\r\n"
               "Válasszon egy másik helyet!");
        return {};
    }

    // The run asks the same question of the same text, so a row taken here is one a run
    // will empty.
    const cleaning::ProtectedLocations guarded(platform.fs, platform.sys,
                                               app::programDirectoryOf(platform.sys.executablePath()));
    if (drive) {
        if (!options.allowDrives) {
            inform(ui, "Nem adhat meg teljes meghajtót ürítendőként!");
            return {};
        }
        // A whole drive is stored as "D:", the one form a run empties.
        if (location->size() == 3 && (*location)[1] == ':') path = location->substr(0, 2);
        const cleaning::LocationVerdict verdict = guarded.check(path, {true, false});
        if (verdict != cleaning::LocationVerdict::Allowed) {
            inform(ui, refusalText(verdict, path));
            return {};
        }
        if (!confirmDrive(ui, path)) return {};
    }

    for (size_t row = 0; row < grid.rows.size(); ++row) {
        if (grid.rows[row].path.empty() || !app::SameFolder(platform.fs, grid.rows[row].path, *location)) continue;
        if (options.viewAlerts) {
            inform(ui, "A következő, most megadott könyvtárat már felvette az ürítendők közé:\r\n" + path);
        }
        return {false, static_cast<int>(row)};
    }

    if (windowsDir && app::IsWithinLocation(*location, *windowsDir)) {
        inform(ui, "A Windows rendszerkönyvtárból nem választhat Ürítendő Tárolót!");
        return {};
    }

    // A run would leave such a folder alone anyway; better to say so now than to add a
    // row that never empties. (A whole drive has been judged above.)
    if (!drive) {
        const cleaning::LocationVerdict verdict = guarded.check(path);
        if (verdict != cleaning::LocationVerdict::Allowed) {
            inform(ui, refusalText(verdict, path));
            return {};
        }
    }

    if (!drive && options.viewAlerts && !looksTemporary(platform.fs, *location) &&
        !warnYes(ui, "A következő, kiválasztott könyvtár valószínűleg nem átmeneti könyvtár:\r\n" + path + "\r\n\r\n" +
                         "Nem ajánlott ezt a könyvtárat felvenni az ürítendők közé!" + "\r\n\r\n" +
                         "Biztos benne, hogy átmeneti könyvtárról van szó, és felveszi mégis a kikefelható "
                         "könyvtárak közé?")) {
        return {};
    }

    // The question asks whether to abort: only an explicit No adds.
    if (ui.message(MessageKind::Warning, Buttons::YesNo,
                   "Teljesen biztos benne, hogy felveszi a megadott könyvtárat üríthetőként?\r\n" + path + "\r\n\r\n" +
                       "Meg kívánja szakítani a felvételi folyamatot?") != Answer::No) {
        return {};
    }

    // The lone blank row of an empty list takes the path; otherwise a row is appended, so
    // no existing row is ever overwritten.
    if (grid.rows.size() != 1 || !grid.rows.front().path.empty()) grid.rows.emplace_back();
    grid.rows.back() = config::ContainerRow{config::Mark::None, {}, path};
    refreshDateColumn(grid, platform);
    return {true, static_cast<int>(grid.rows.size()) - 1};
}

AddOutcome addChosenFolder(config::ContainerGrid& grid, const AddOptions& options, platform::Platform& platform) {
    const std::optional<std::string> chosen = platform.ui.chooseFolder(std::string(kAddFolderTitle), "");
    if (!chosen) return {};
    return addContainer(grid, *chosen, options, platform);
}

ClipboardAddItem clipboardAddItem(platform::Platform& platform) {
    const std::optional<std::string> path = platform::pastedLine(platform.clipboard);
    if (!path || !folderExists(platform.fs, *path)) return {};
    return {*path, true};
}

AddOutcome addFromClipboard(config::ContainerGrid& grid, const AddOptions& options, platform::Platform& platform) {
    const std::optional<std::string> path = platform::pastedLine(platform.clipboard);
    if (!path) return {};
    return addContainer(grid, *path, options, platform);
}

void refreshDateColumn(config::ContainerGrid& grid, platform::Platform& platform) {
    for (config::ContainerRow& row : grid.rows) {
        if (row.path.empty()) continue;
        if (folderExists(platform.fs, row.path)) {
            row.modified = lastWriteDate(platform, row.path);
        } else {
            row.mark = config::Mark::None;
            row.modified = "0";
        }
    }
}

}  // namespace kefelo::containers
