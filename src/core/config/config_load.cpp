#include "core/config/config_load.h"

#include <algorithm>

#include "core/config/list_file.h"
#include "core/config/protected_names.h"
#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::config {
namespace {

const char* const kSettingsNotLoaded = "! A config fajlt nem tudtam betolteni !";
const char* const kListNotLoaded = "Nem sikerült betölteni a tárolók és a feladatok listáját!";
const char* const kProtectedNotLoaded = "Nem sikerült betölteni a védett állományok listáját!";
const char* const kSettingsUnreadable = "Nem sikerült betölteni a program beállításait!";

std::string inDirectory(const std::string& directory, std::string_view name) { return directory + std::string(name); }

void applyStoredSettings(ConfigModel& m, const Settings& s) {
    m.check_autorun = s.autoClean;
    m.edit_daysofautorun = text::toDecimal(s.autoCleanDays);
    m.check_gototrayonclose = s.goToTrayOnClose;
    m.check_quitprogramwhenautorundone = s.quitAfterAutoClean;
    m.window = WindowBounds{s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight};
    m.check_viewalerts = s.viewAlerts;
    m.checked_startupwithwindows = s.startWithWindows;
    m.cNaplo = s.eventLogging;
    m.check_stayontop = s.stayOnTop;
    m.check_resursivesearchmode = s.recursiveSearch;
    m.check_deleteemptyfolder = s.deleteEmptyFolders;
    m.check_beep = s.beep;
    m.check_fullsearch = s.fullSearch;
    m.activePage = s.activePage;
    m.ownTypes = s.ownTypes;
    m.zipDirectory = s.zipDirectory;
    m.check_updatesearch = s.updateSearch;
    m.edit_updatesearch = text::toDecimal(s.updateSearchDays);
    m.lastUpdateSearch = s.lastUpdateSearch;
    for (const std::string& entry : s.history) {
        if (!entry.empty() && entry != kBrowseItem) m.edit_searchpath.items.push_back(entry);
    }
    m.lastCleaning = s.lastCleaning;
    m.keepFreshHours = s.keepFreshHours;
    m.check_recyclerun = s.recycleRun;
    m.check_recyclefound = s.recycleFound;
    m.stored = s;
}

void applyDefaults(ConfigModel& m, const LoadContext& context) {
    m.check_gototrayonclose = false;
    m.check_autorun = false;
    m.checked_startupwithwindows = false;
    m.check_stayontop = false;
    m.check_fullsearch = false;
    m.check_viewalerts = true;
    m.check_resursivesearchmode = true;
    m.check_deleteemptyfolder = true;
    m.check_beep = true;
    m.edit_daysofautorun = "8";
    m.lastCleaning = 0.0;
    m.lastUpdateSearch = 0.0;
    m.window.width = kMainWindowMinWidth;
    m.window.height = kMainWindowMinHeight;
    m.window.left = (context.screenWidth - kMainWindowMinWidth) / 2;
    m.window.top = (context.screenHeight - kMainWindowMinHeight) / 2;
    m.ownTypes.clear();
    m.zipDirectory = inDirectory(context.programDirectory, "Zipped");
    m.check_quitprogramwhenautorundone = false;
    m.cNaplo = false;
    m.check_updatesearch = false;
    m.edit_updatesearch = "15";
    m.keepFreshHours = 0;
    m.check_recyclerun = false;
    m.check_recyclefound = false;
    m.stored = Settings{};
}

}  // namespace

void loadConfiguration(ConfigModel& model, const LoadContext& context) {
    platform::FileSystem& fs = context.platform.fs;
    const std::string& dir = context.programDirectory;
    model.firstRunScreen =
        !fs.fileExists(inDirectory(dir, kListFileName)) && !fs.fileExists(inDirectory(dir, kSettingsFileName));
    loadListFile(model, context.platform, dir);
    loadSettings(model, context);
    loadProtectedNames(model, context.platform, dir);
    if (context.tesztBe) {
        for (const UnreadableList& list : unreadableLists(model, dir)) {
            context.tesztBe("! Nem tudtam beolvasni, ezert nem irom felul: " + list.path + " !");
        }
    }
}

void loadListFile(ConfigModel& model, platform::Platform& platform, const std::string& programDirectory) {
    const std::string path = inDirectory(programDirectory, kListFileName);
    model.listFileUnreadable = false;
    if (!platform.fs.fileExists(path)) return;
    std::optional<std::string> bytes = platform.fs.readFile(path);
    if (!bytes) {
        model.listFileUnreadable = true;
        return;
    }
    ListFileRows rows = parseListFile(text::decodeLines(*bytes));
    for (TaskRow& row : rows.tasks.rows) {
        if (row.mark != Mark::None && (row.location.empty() || !platform.fs.directoryExists(row.location))) {
            row.mark = Mark::None;
        }
    }
    model.list_temps = std::move(rows.containers);
    model.list_projects = std::move(rows.tasks);
    list_tempsModified(model.list_temps, platform);
}

void loadSettings(ConfigModel& model, const LoadContext& context) {
    platform::FileSystem& fs = context.platform.fs;
    model.edit_searchpath = ListBox{};
    std::optional<Settings> settings;
    const std::string path = inDirectory(context.programDirectory, kSettingsFileName);
    model.settingsFileUnreadable = false;
    if (std::optional<std::string> bytes = fs.readFile(path)) {
        settings = decodeSettingsRecord(*bytes);
    } else {
        // Locked or refused, not merely missing: the user's record must survive this session.
        model.settingsFileUnreadable = fs.fileExists(path);
    }
    if (settings) {
        applyStoredSettings(model, *settings);
    } else {
        applyDefaults(model, context);
        if (context.tesztBe) context.tesztBe(kSettingsNotLoaded);
    }
    // What the click handlers of the two check boxes do to their dependent controls.
    model.edit_daysofautorunEnabled = model.check_autorun;
    model.check_quitprogramwhenautorundoneEnabled = model.check_autorun;
    model.edit_updatesearchEnabled = model.check_updatesearch;

    model.check_noadd = false;
    model.check_nodrive = false;
    auto& items = model.edit_searchpath.items;
    if (std::find(items.begin(), items.end(), kBrowseItem) == items.end()) items.emplace_back(kBrowseItem);
    if (items.front() != kBrowseItem && fs.directoryExists(items.front())) model.edit_searchpath.selected = 0;
}

void loadProtectedNames(ConfigModel& model, platform::Platform& platform, const std::string& programDirectory) {
    const std::string path = inDirectory(programDirectory, kProtectedFileName);
    model.protectedFileUnreadable = false;
    if (!platform.fs.fileExists(path)) {
        model.list_protectfiles.items.assign(kDefaultProtectedNames.begin(), kDefaultProtectedNames.end());
        return;
    }
    std::optional<std::string> bytes = platform.fs.readFile(path);
    if (!bytes) {
        // The file stays untouched; meanwhile the run still spares the usual names rather
        // than none at all.
        model.protectedFileUnreadable = true;
        model.list_protectfiles.items.assign(kDefaultProtectedNames.begin(), kDefaultProtectedNames.end());
        return;
    }
    model.list_protectfiles.items = text::decodeLines(*bytes);
}

std::vector<UnreadableList> unreadableLists(const ConfigModel& model, const std::string& programDirectory) {
    std::vector<UnreadableList> lists;
    if (model.listFileUnreadable) lists.push_back({inDirectory(programDirectory, kListFileName), kListNotLoaded});
    if (model.protectedFileUnreadable) {
        lists.push_back({inDirectory(programDirectory, kProtectedFileName), kProtectedNotLoaded});
    }
    if (model.settingsFileUnreadable) {
        lists.push_back({inDirectory(programDirectory, kSettingsFileName), kSettingsUnreadable});
    }
    return lists;
}

std::string unreadableListsMessage(const std::vector<UnreadableList>& lists) {
    std::string text;
    for (const UnreadableList& list : lists) text += std::string(list.failure) + "\r\n(" + list.path + ")\r\n";
    text += lists.size() > 1
                ? "\r\nA Kefeló ebben a munkamenetben nem írja felül és nem törli ezeket az állományokat, így a "
                  "tartalmuk megmarad. A listákon most végzett változtatások viszont nem lesznek elmentve."
                : "\r\nA Kefeló ebben a munkamenetben nem írja felül és nem törli ezt az állományt, így a tartalma "
                  "megmarad. A listán most végzett változtatások viszont nem lesznek elmentve.";
    return text;
}

void list_tempsModified(ContainerGrid& containers, platform::Platform& platform) {
    for (ContainerRow& row : containers.rows) {
        if (row.path.empty()) continue;
        if (!platform.fs.directoryExists(row.path)) {
            row.mark = Mark::None;
            row.modified = "0";
        } else if (std::optional<platform::DirEntry> entry = platform.fs.find(row.path)) {
            const int64_t local = platform.clock.utcToLocal(entry->lastWriteUtc);
            row.modified =
                timeutil::formatDate(timeutil::dateOnly(timeutil::fromFileTime(local)), platform.sys.shortDateFormat());
        } else {
            row.modified = "0";
        }
        platform.ui.pumpMessages();
    }
}

void applyZipDirectoryDefault(ConfigModel& model, platform::FileSystem& fs, const std::string& programDirectory) {
    if (model.zipDirectory.empty() || !fs.directoryExists(model.zipDirectory)) {
        model.zipDirectory = inDirectory(programDirectory, "Zipped");
    }
}

}  // namespace kefelo::config
