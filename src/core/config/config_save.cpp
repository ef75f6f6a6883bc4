#include "core/config/config_save.h"

#include <algorithm>
#include <limits>

#include "core/config/list_file.h"
#include "core/config/own_types_editor.h"
#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::config {
namespace {

// The start-up reset covers the cleaning log as well.
constexpr std::string_view kLogFileName = "utolso.log";

// The interval editors replace text that is no whole number with "1" as soon as it is
// typed, so the same value stands in here. Numbers outside the stored width are held at
// its nearest end rather than wrapped into an unrelated interval.
int64_t intervalFromText(const std::string& text, int64_t low, int64_t high) {
    int64_t value = 1;
    if (!text::parseDecimal(text, value)) value = 1;
    return std::clamp(value, low, high);
}

bool isAutomaticRun(const std::string& firstParameter) {
    const std::string lowered = text::lower(firstParameter);
    return lowered == "/a" || lowered == "/autorun";
}

// Our own last save left the file read-only; without this a second save in the same run
// (before the batch of undeletable files, then again at exit) could not replace it.
void makeWritable(platform::FileSystem& fs, const std::string& path) {
    std::optional<uint32_t> attributes = fs.getAttributes(path);
    if (attributes && (*attributes & platform::attr::kReadOnly)) {
        fs.setAttributes(path, *attributes & ~(platform::attr::kReadOnly | platform::attr::kNormal));
    }
}

bool replaceFile(platform::FileSystem& fs, const std::string& path, const std::string& bytes) {
    makeWritable(fs, path);
    return fs.writeFileAtomic(path, bytes);
}

}  // namespace

Settings settingsFromModel(const ConfigModel& m) {
    Settings s = m.stored;
    s.autoClean = m.check_autorun;
    s.autoCleanDays =
        static_cast<uint16_t>(intervalFromText(m.edit_daysofautorun, 0, std::numeric_limits<uint16_t>::max()));
    s.lastCleaning = m.lastCleaning;
    s.goToTrayOnClose = m.check_gototrayonclose;
    s.quitAfterAutoClean = m.check_quitprogramwhenautorundone;
    s.windowLeft = m.window.left;
    s.windowTop = m.window.top;
    s.windowWidth = m.window.width;
    s.windowHeight = m.window.height;
    s.viewAlerts = m.check_viewalerts;
    s.startWithWindows = m.checked_startupwithwindows;
    s.eventLogging = m.cNaplo;
    s.stayOnTop = m.check_stayontop;
    s.recursiveSearch = m.check_resursivesearchmode;
    s.deleteEmptyFolders = m.check_deleteemptyfolder;
    s.beep = m.check_beep;
    s.fullSearch = m.check_fullsearch;
    // A folder the record cannot hold in Windows-1250 would come back with "?" in it, a
    // wildcard to the system: its slot keeps what it held instead.
    const auto& items = m.edit_searchpath.items;
    for (size_t i = 0; i < s.history.size(); ++i) {
        if (i < items.size() && !items[i].empty() && items[i] != kBrowseItem && text::fitsCp1250(items[i]))
            s.history[i] = items[i];
    }
    s.ownTypes = fitOwnTypesLine(m.ownTypes);
    s.activePage = m.activePage;
    if (text::fitsCp1250(m.zipDirectory)) s.zipDirectory = m.zipDirectory;
    s.lastUpdateSearch = m.lastUpdateSearch;
    s.updateSearch = m.check_updatesearch;
    s.updateSearchDays = static_cast<int32_t>(intervalFromText(m.edit_updatesearch, std::numeric_limits<int32_t>::min(),
                                                               std::numeric_limits<int32_t>::max()));
    s.keepFreshHours = m.keepFreshHours;
    s.recycleRun = m.check_recyclerun;
    s.recycleFound = m.check_recyclefound;
    return s;
}

std::string failedSaveMessage(const std::vector<std::string>& failedPaths, const std::string& programDirectory) {
    std::string text = "A következő állományok mentése nem sikerült:\r\n";
    for (size_t i = 0; i < failedPaths.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += failedPaths[i];
    }
    std::string directory = programDirectory;
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    text += "\r\n\r\nValószínűleg nincs írási jogunk a következő könyvtárra:\r\n" + directory;
    return text;
}

std::vector<std::string> KilepesElottMent(ConfigModel& model, const SaveContext& context) {
    platform::FileSystem& fs = context.platform.fs;
    const std::string& dir = context.programDirectory;
    const std::string listPath = dir + std::string(kListFileName);
    const std::string protectedPath = dir + std::string(kProtectedFileName);
    const std::string settingsPath = dir + std::string(kSettingsFileName);

    if (context.stopWalk) context.stopWalk();

    // A list that could not be read at start is not in the model: writing the model would
    // replace the user's list with an empty one, so the file is left exactly as it is.
    std::vector<std::string> written;
    std::vector<std::string> failed;
    if (!model.listFileUnreadable) {
        const std::vector<std::string> lines = formatListFile(model.list_temps, model.list_projects);
        if (!lines.empty()) {
            if (!replaceFile(fs, listPath, text::encodeLines(lines))) failed.push_back(listPath);
        } else if (fs.fileExists(listPath)) {
            makeWritable(fs, listPath);
            if (!fs.deleteFile(listPath)) failed.push_back(listPath);
        }
        written.push_back(listPath);
    }

    if (!model.protectedFileUnreadable) {
        if (!replaceFile(fs, protectedPath, text::encodeLines(model.list_protectfiles.items))) {
            failed.push_back(protectedPath);
        }
        written.push_back(protectedPath);
    }

    if (!model.settingsFileUnreadable) {
        const std::string record = encodeSettingsRecord(settingsFromModel(model));
        replaceFile(fs, settingsPath, record);
        model.stored = *decodeSettingsRecord(record);
        written.push_back(settingsPath);
    }

    for (const std::string& path : written) fs.setAttributes(path, platform::attr::kReadOnly);

    if (!failed.empty() && !isAutomaticRun(context.firstParameter)) {
        context.platform.ui.message(platform::MessageKind::Warning, platform::Buttons::Ok,
                                    failedSaveMessage(failed, dir));
    }
    return failed;
}

void clearConfigFileAttributes(platform::FileSystem& fs, const std::string& programDirectory) {
    for (std::string_view name : {kListFileName, kProtectedFileName, kSettingsFileName, kLogFileName}) {
        fs.setAttributes(programDirectory + std::string(name), 0);
    }
}

}  // namespace kefelo::config
