#include "core/cleaning/cleaning_run.h"

#include <algorithm>

#include "core/app/busy_guard.h"
#include "core/app/program_texts.h"
#include "core/cleaning/container_emptying.h"
#include "core/cleaning/list_refresh.h"
#include "core/cleaning/log_files.h"
#include "core/cleaning/protected_locations.h"
#include "core/cleaning/undeletable_batch.h"
#include "core/config/categories.h"
#include "core/config/config_load.h"
#include "core/config/protected_names.h"
#include "core/search/mask.h"
#include "base/text/codec.h"
#include "base/text/format.h"
#include "base/time/datetime.h"

namespace kefelo::cleaning {
namespace {

using config::Mark;
using platform::Buttons;
using platform::MessageKind;
namespace attr = platform::attr;

constexpr int kCleaningPage = 0;
constexpr int kListsPage = 0;
constexpr int kReportPage = 1;
// The blinking text of a cleaning run.
constexpr int kBlinkCleaning = 0;

constexpr const char* kNothingActive = "Nem jelölt ki egy Ürítendő könyvtárat és egy Feladatot sem!";
constexpr const char* kOldLogNotDeleted = "Nem sikerült az előző Takarítási naplót törölni!";
constexpr const char* kOldBatchNotDeleted = "Nem sikerült az előző \"autodel.bat\" állományt törölni!";

template <typename Row>
bool anyActive(const config::Grid<Row>& grid) {
    return std::any_of(grid.rows.begin(), grid.rows.end(), [](const Row& row) { return row.mark == Mark::Active; });
}

// "." and ".." do not count; a folder that cannot be listed holds nothing we could see.
bool folderIsEmpty(platform::FileSystem& fs, const std::string& path) {
    std::unique_ptr<platform::Listing> listing = fs.list(path + "\\*.*");
    if (!listing) return true;
    platform::DirEntry entry;
    while (listing->next(entry)) {
        if (entry.name != "." && entry.name != "..") return false;
    }
    return true;
}

LogColour matchColour(uint32_t attributes) {
    if (attributes & attr::kReadOnly) return LogColour::Blue;
    if (attributes & attr::kHidden) return LogColour::Maroon;
    if (attributes & attr::kSystem) return LogColour::Yellow;
    return LogColour::Navy;
}

}  // namespace

CleaningRun::CleaningRun(const CleaningRunContext& context) : ctx_(context), record_(context.record) {}

std::string CleaningRun::grouped(int64_t value) const { return text::Ezredel(text::toDecimal(value)); }

void CleaningRun::button_begincleanClick() {
    if (app::FutValami(activity(), ctx_.platform.ui)) return;
    if (!refreshLists() && !ctx_.commandLine.isAutomatic()) {
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, kNothingActive);
        return;
    }
    deleteLeftovers();
    beginReport();
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, PumpIntervalMs);
    containerPhase(pump);
    taskPhase(pump);
}

// Returns whether some row of either list is active afterwards.
bool CleaningRun::refreshLists() {
    CleaningHost& host = ctx_.host;
    const std::string previous = host.statusText();
    host.setHourglassCursor(true);
    host.setStatusText("Ürítendő Tárolók listájának frissítése");
    refreshContainerList(ctx_.config.list_temps, ctx_.platform);
    host.setStatusText("Felvett Feladatok listájának frissítése");
    refreshTaskList(ctx_.config.list_projects, ctx_.platform.fs);
    host.setHourglassCursor(false);
    host.setStatusText(previous);
    host.listsChanged();
    return anyActive(ctx_.config.list_temps) || anyActive(ctx_.config.list_projects);
}

// The files of the previous run. A file that is not there needs no deleting and earns
// no warning.
bool CleaningRun::deleteLeftovers() {
    platform::FileSystem& fs = ctx_.platform.fs;
    const bool alerts = ctx_.config.check_viewalerts;
    bool ok = true;
    const std::string log = ctx_.programDirectory + std::string(kLastLogName);
    if (fs.fileExists(log) && !fs.deleteFile(log)) {
        ok = false;
        if (alerts) ctx_.platform.ui.message(MessageKind::Warning, Buttons::Ok, kOldLogNotDeleted);
    }
    const std::string batch = ctx_.programDirectory + std::string(kAutodelName);
    if (fs.fileExists(batch)) {
        fs.setAttributes(batch, 0);
        if (!fs.deleteFile(batch)) {
            ok = false;
            if (alerts) ctx_.platform.ui.message(MessageKind::Warning, Buttons::Ok, kOldBatchNotDeleted);
        }
    }
    return ok;
}

void CleaningRun::beginReport() {
    CleaningHost& host = ctx_.host;
    setActivity(app::activity_cleaning);
    running_ = true;
    logShown_ = false;
    containerTotalCounted_ = false;
    currentTaskRow_ = 0;
    taskDeletedPaths_.clear();
    host.setWindowWasVisible(host.mainWindowVisible());
    record_.reset();
    trayCleanCaption_ = kTrayCleanHalt;
    host.setTrayCleanCaption(trayCleanCaption_);
    ctx_.autodel.mBatKezd(1);
    host.startBlinking(kBlinkCleaning);
    host.setStatusAlignment(StatusAlignment::Center);
    host.showReportHalt(true);
    host.hideLog();
    host.setLastPathText("");
    host.showReportButtons(false);
    host.setCleaningPage(kReportPage);
    host.setReportCaption(" A könyvtárak kiürítése és a feladatok végrehajtása folyamatban... ");
}

void CleaningRun::containerPhase(search::MessagePump& pump) {
    const bool someActive = anyActive(ctx_.config.list_temps);
    if (someActive) record_.writer.runStart();

    const EmptyingEnvironment env{ctx_.platform.fs, pump,      ctx_.Search,
                                  ctx_.host,        ctx_.config, ctx_.commandLine};
    ContainerEmptying emptying(env, record_, EmptyingMode::CleaningRun);
    const ProtectedLocations protectedLocations(ctx_.platform.fs, ctx_.platform.sys, ctx_.programDirectory);
    // By index and with a copy of the path: the grid may change while messages run.
    for (size_t i = 0; i < ctx_.config.list_temps.rows.size(); ++i) {
        const config::ContainerRow& row = ctx_.config.list_temps.rows[i];
        if (row.path.empty() || row.mark != Mark::Active || activity() != app::activity_cleaning) continue;
        const std::string path = row.path;
        pump.pumpWhenDue();
        if (activity() != app::activity_cleaning) break;
        // The list may have been edited by hand: a drive or a system folder is never
        // emptied, whatever its line says. The row stays for the user to see and remove.
        if (const LocationVerdict verdict = protectedLocations.check(path); verdict != LocationVerdict::Allowed) {
            record_.writer.containerSkipped(path, verdict == LocationVerdict::NotFullPath);
            record_.writer.blank();
            continue;
        }
        record_.currentContainerRoot = path;
        record_.writer.containerHeading(path);
        ctx_.host.setLastPathText(path);
        emptying.emptyContainer(path.back() == '\\' ? path : path + "\\", "*.*", true);
        // A halted run has written its summary: nothing more goes into the log.
        if (activity() != app::activity_cleaning) break;
        record_.writer.containerResult(path, folderIsEmpty(ctx_.platform.fs, path));
        record_.writer.blank();
    }
    if (activity() == app::activity_cleaning && someActive) {
        record_.writer.containerPhaseEnd(record_.containerTotal);
        record_.runTotal += record_.containerTotal;
        containerTotalCounted_ = true;
    }
}

void CleaningRun::taskPhase(search::MessagePump& pump) {
    // After a halt nothing more runs the queue, so no new run can start on top of this one.
    if (activity() == app::activity_cleaning) pump.pumpWhenDue();
    const auto& rows = ctx_.config.list_projects.rows;
    int first = -1;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].mark == Mark::Active && locationExists(ctx_.platform.fs, rows[i].location)) {
            first = static_cast<int>(i);
            break;
        }
    }
    if (first >= 0 && activity() == app::activity_cleaning) {
        currentTaskRow_ = first;
        ctx_.host.setCurrentTaskRow(first);
        record_.writer.taskPhaseStart();
        record_.writer.taskHeading(rows[first].location, rows[first].masks);
        startTask(first);
        return;
    }
    ctx_.Search.Stop();
    setActivity(app::activity_idle);
    if (!logShown_) TakaritVege(false);
}

void CleaningRun::startTask(int row) {
    const config::TaskRow& task = ctx_.config.list_projects.rows[static_cast<size_t>(row)];
    taskDeletedPaths_.clear();
    ctx_.Search.FileMask = config::FileMask(task.masks);
    ctx_.Search.ScanDir = task.location;
    setActivity(app::activity_cleaning);
    try {
        ctx_.Search.Execute();
    } catch (const search::InvalidMask&) {
        // A task whose types hold a bad mask matches nothing; the chain goes on to the
        // next task instead of leaving the run hanging.
        SearchFoldersChanged(ctx_.Search);
    }
}

void CleaningRun::SearchFoldersProcess(const std::string& dir) {
    if (activity() != app::activity_cleaning) return;
    ctx_.host.setLastPathText(text::asciiUpper(dir));
}

void CleaningRun::SearchFoldersChanged(search::TSearchFolders& sender) {
    // After a halt the end step has run already.
    if (activity() != app::activity_cleaning || !running_) return;
    const int64_t taskTotal = processMatches(sender);
    if (activity() != app::activity_cleaning) return;

    const auto& rows = ctx_.config.list_projects.rows;
    platform::FileSystem& fs = ctx_.platform.fs;
    if (static_cast<size_t>(currentTaskRow_) < rows.size()) {
        const config::TaskRow& current = rows[static_cast<size_t>(currentTaskRow_)];
        if (locationExists(fs, current.location) && current.mark == Mark::Active) {
            record_.writer.taskEnd(current.location, current.masks, taskTotal);
        }
    }
    setActivity(app::activity_idle);
    for (size_t next = static_cast<size_t>(currentTaskRow_) + 1; next < rows.size(); ++next) {
        if (rows[next].mark != Mark::Active) continue;
        currentTaskRow_ = static_cast<int>(next);
        ctx_.host.setCurrentTaskRow(currentTaskRow_);
        // A task whose folder went away during the previous one is passed over.
        if (!locationExists(fs, rows[next].location)) continue;
        record_.writer.blank();
        record_.writer.taskHeading(rows[next].location, rows[next].masks);
        ctx_.Search.Stop();
        startTask(currentTaskRow_);
        return;
    }
    TakaritVege(false);
}

int64_t CleaningRun::processMatches(search::TSearchFolders& sender) {
    platform::FileSystem& fs = ctx_.platform.fs;
    const config::ProtectionTest isProtected(ctx_.config.list_protectfiles.items);
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, PumpIntervalMs);
    int64_t taskTotal = 0;
    for (const search::TFilePack& match : sender.Matches()) {
        // A halt stops the deleting too, not only the logging.
        if (activity() != app::activity_cleaning) break;
        if (isProtected(match.Name)) continue;
        const LogColour colour = matchColour(match.Attr);
        const std::string full = match.Folder + match.Name;
        const std::optional<uint32_t> attributes = fs.getAttributes(full);
        fs.setAttributes(full, 0);
        const bool deleted = fs.deleteFile(full);
        if (deleted) {
            taskTotal += match.Size;
            record_.runTotal += match.Size;
            record_.deletedFiles += 1;
        } else {
            if (attributes) fs.setAttributes(full, *attributes);
            record_.undeletable.push_back(taskUndeletableEntry(match.Folder, match.Name, match.Size));
            record_.writer.taskUndeletableFile(match.Folder, match.Name, match.Size);
            addUndeletableToBatch(fs, record_, full);
        }
        if (!fs.fileExists(full)) {
            record_.writer.taskDeletedFile(match.Folder, match.Name, match.Size, colour, !deleted);
            taskDeletedPaths_.push_back(full);
        }
        pump.pumpWhenDue();
    }
    return taskTotal;
}

void CleaningRun::button_reporthaltClick() {
    // Also guards against a second halt arriving while this one runs the queue.
    if (!running_) return;
    running_ = false;
    ctx_.Search.Stop();
    setActivity(app::activity_idle);
    config::list_tempsModified(ctx_.config.list_temps, ctx_.platform);
    ctx_.host.listsChanged();
    TakaritVege(true);
    ctx_.host.setTrayHint(app::programTitle(ctx_.fileVersion));
}

void CleaningRun::menu_traycleanClick() {
    ctx_.host.setMainPage(kCleaningPage);
    if (trayCleanCaption_.starts_with("T")) {
        button_begincleanClick();
    } else {
        button_reporthaltClick();
    }
}

void CleaningRun::button_reportrunendClick() {
    ctx_.host.setCleaningPage(kListsPage);
    record_.undeletable.clear();
    record_.containerEntries.clear();
}

void CleaningRun::notifyHidden(bool halted, bool& quitAfterwards) {
    const std::string title = app::programTitle(ctx_.fileVersion);
    const std::string freed = std::string(halted ? "Az eddig nyert terület mérete: " : "A nyert terület mérete: ") +
                              grouped(record_.runTotal) + " bájt.";
    if (ctx_.ntFamily) {
        ctx_.host.showTrayBalloon(
            title + (halted ? " program - A takarítási folyamat megszakítva!"
                            : " program - A takarítási folyamat befejeződött!"),
            freed + "\r\nKattintson ide a Takarítási napló megtekintéshez.");
        return;
    }
    const platform::Answer answer = ctx_.platform.ui.message(
        MessageKind::Information, Buttons::YesNo,
        "A " + title +
            (halted ? " program takarítási folyamata megszakítva!" : " program takarítási folyamata befejeződött!") +
            "\r\n\r\n" + freed + "\r\n\r\nSzeretné megtekinteni a Takarítási naplót?");
    if (answer == platform::Answer::Yes) {
        ctx_.host.restoreFromTray();
        return;
    }
    ctx_.host.setCleaningPage(kListsPage);
    quitAfterwards = ctx_.config.check_quitprogramwhenautorundone;
}

void CleaningRun::TakaritVege(bool halted) {
    CleaningHost& host = ctx_.host;
    platform::FileSystem& fs = ctx_.platform.fs;
    running_ = false;
    // Counted before anything shows it, and only once.
    if (!containerTotalCounted_) {
        record_.runTotal += record_.containerTotal;
        containerTotalCounted_ = true;
    }

    host.setMainPage(kCleaningPage);
    // The quit saves the settings, so it waits until the last-cleaning date is set.
    bool quitAfterwards = false;
    if (!host.mainWindowVisible()) notifyHidden(halted, quitAfterwards);

    host.setTrayHint(app::programTitle(ctx_.fileVersion));
    trayCleanCaption_ = kTrayCleanStart;
    host.setTrayCleanCaption(trayCleanCaption_);
    host.setStatusAlignment(StatusAlignment::Left);
    host.stopBlinking();
    setActivity(app::activity_idle);

    host.setReportCaption(halted ? " A   v é g r e h a j t á s   m e g s z a k í t v a !  "
                                 : " A   v é g r e h a j t á s   b e f e j e z ő d ö t t .  ");
    host.showReportHalt(false);
    host.showReportButtons(true);
    logShown_ = true;

    const auto& tasks = ctx_.config.list_projects.rows;
    LogWriter::Summary summary;
    summary.halted = halted;
    summary.tasksLine = !tasks.empty() && locationExists(fs, tasks.front().location) &&
                        static_cast<size_t>(currentTaskRow_) < tasks.size() &&
                        tasks[static_cast<size_t>(currentTaskRow_)].mark == Mark::Active;
    summary.runTotal = record_.runTotal;
    summary.deletedFiles = record_.deletedFiles;
    summary.undeletable = record_.undeletable;
    record_.writer.closingAndSummary(summary);

    ctx_.autodel.setRunEnded();
    if (host.mainWindowVisible()) host.focusReportButtons();
    if (halted) {
        host.setStatusText(" A Takarítási folyamat megszakítva!");
    } else {
        host.setStatusText(" A Takarítási folyamat befejeződött");
        if (ctx_.config.check_beep && !host.quitting() && !quitAfterwards && host.windowWasVisible()) host.beep();
    }

    saveLastLogAtRunEnd(fs, ctx_.platform.ui, record_.log, ctx_.programDirectory, ctx_.commandLine.isAutomatic());
    ctx_.autodel.mBatKezd(0);
    host.setAutodelButtonEnabled(fs.fileExists(ctx_.programDirectory + std::string(kAutodelName)));
    host.showLog(record_.log);

    if (!halted) ctx_.config.lastCleaning = timeutil::dateOnly(ctx_.platform.clock.now());
    handBack();
    if (quitAfterwards) host.quit();
}

void CleaningRun::handBack() {
    CleaningHost& host = ctx_.host;
    const app::CommandLine& commandLine = ctx_.commandLine;
    if (commandLine.isAutoStart()) {
        if (!ctx_.config.check_quitprogramwhenautorundone) host.popUp();
        host.showApplicationTaskbarWindow();
        host.showTrayIcon();
        host.hideSplash();
    } else if (commandLine.isAutoRun()) {
        host.hideSplash();
    } else {
        host.popUp();
        host.searchVege();
    }
}

}  // namespace kefelo::cleaning
