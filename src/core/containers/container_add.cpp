#include "core/containers/container_add.h"

#include "core/containers/container_names.h"
#include "core/text/codec.h"
#include "core/time/datetime.h"

namespace kefelo::containers {
namespace {
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

bool isBareDrive(std::string_view path) { return path.size() == 2 && path[1] == ':'; }

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

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
    if (!folderExists(platform.fs, path)) {
        if (options.viewAlerts) {
            ui.message(MessageKind::Error, Buttons::Ok,
                       "A következő könyvtár nem található, illetve -meghajtó esetén- nem tartalmaz adathordozót:\r\n" +
                           path + "\r\n\r\n" + "A listába csak létező könyvtárat lehet felvenni!");
        }
        return {};
    }
    if (path.back() == '\\') path.pop_back();

    const std::string windowsDir = platform.sys.windowsDirectory();
    if (!windowsDir.empty() && text::lower(path) == text::lower(windowsDir.substr(0, 1) + ":")) {
        inform(ui,
               "Nem törölheti a rendszerpartíció adatait, így nem veheti fel az Ürítendő tárolók közé sem!\r\n\r\n"
               "Válasszon egy másik helyet!");
        return {};
    }

    const bool drive = isBareDrive(path);
    if (drive) {
        if (!options.allowDrives) {
            inform(ui, "Nem adhat meg teljes meghajtót ürítendőként!");
            return {};
        }
        if (!confirmDrive(ui, path)) return {};
    }

    const std::string folded = text::lower(path);
    for (size_t row = 0; row < grid.rows.size(); ++row) {
        if (text::lower(grid.rows[row].path) != folded) continue;
        if (options.viewAlerts) {
            inform(ui, "A következő, most megadott könyvtárat már felvette az ürítendők közé:\r\n" + path);
        }
        return {false, static_cast<int>(row)};
    }

    // Windows paths ignore letter case, so a lower-case path from the clipboard must not
    // slip past this test.
    if (!windowsDir.empty() && startsWith(folded, text::lower(windowsDir))) {
        inform(ui, "A Windows rendszerkönyvtárból nem választhat Ürítendő Tárolót!");
        return {};
    }

    if (!drive && options.viewAlerts && !looksTemporary(platform.fs, path) &&
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

ClipboardAddItem clipboardAddItem(const std::optional<std::string>& clipboardText, platform::FileSystem& fs) {
    if (!clipboardText || !folderExists(fs, *clipboardText)) return {};
    return {*clipboardText, true};
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
