#include "core/cleaning/cleaning_run.h"

#include <algorithm>
#include <unordered_set>

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

constexpr int kListsPage = 0;
constexpr int kReportPage = 1;
// The blinking text of a cleaning run.
constexpr int kBlinkCleaning = 0;

constexpr const char* kNothingActive = "Nem jelölt ki egy Ürítendő könyvtárat és egy Feladatot sem!";
constexpr const char* kOldLogNotDeleted = "Nem sikerült az előző Takarítási naplót törölni!";
constexpr const char* kPreviewStatus = " A takarítás előnézete készül... Kérem várjon!";
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
    // The run's work is the lists as they stand now: whatever a message changes in them
    // while the run pumps (a row added, removed or ticked) waits for the next run.
    containerRows_ = ctx_.config.list_temps.rows;
    taskRows_ = ctx_.config.list_projects.rows;
    rule_.emplace(runFileRule(ctx_.config, ctx_.platform.clock));
    recycle_.reset();
    if (ctx_.config.check_recyclerun && ctx_.shell) {
        recycle_ = std::make_unique<search::RecycleBatch>(
            *ctx_.shell, [this](const search::RecycleBatch::Item& item, platform::Recycling outcome) {
                recycled(item, outcome);
            });
    }
    beginReport();
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, PumpIntervalMs);
    containerPhase(pump);
    taskPhase(pump);
}

void CleaningRun::button_previewClick() {
    if (app::FutValami(activity(), ctx_.platform.ui)) return;
    if (!refreshLists()) {
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, kNothingActive);
        return;
    }
    const std::string previous = ctx_.status.statusText();
    ctx_.status.setStatusText(kPreviewStatus);
    ctx_.frame.setHourglassCursor(true);
    std::optional<RunPreview> preview = previewRun();
    ctx_.frame.setHourglassCursor(false);
    ctx_.status.setStatusText(previous);
    if (preview && showPreview) showPreview(std::move(*preview));
}

std::optional<RunPreview> CleaningRun::previewRun() {
    app::BusyScope busy(ctx_.Search.Tag, app::Activity::CleaningPreview);
    if (!busy.owns()) return std::nullopt;
    // The lists as they stand now, like the run takes them.
    const std::vector<config::ContainerRow> containers = ctx_.config.list_temps.rows;
    const std::vector<config::TaskRow> tasks = ctx_.config.list_projects.rows;
    platform::FileSystem& fs = ctx_.platform.fs;
    const RunFileRule rule = runFileRule(ctx_.config, ctx_.platform.clock);
    RunPreview preview;
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, PumpIntervalMs);

    // A file the run deletes in a container is not there for a task (or a container) that
    // walks the same folder again: where the walked folders nest, later finds of a file
    // already listed are dropped. Only then, so the usual preview hashes nothing.
    std::vector<std::string> walkedRoots;
    bool nested = false;
    const auto walking = [&](const std::string& location) {
        std::string root = text::asciiUpper(location);
        if (root.back() != '\\') root += '\\';
        for (const std::string& other : walkedRoots) nested = nested || root.starts_with(other) || other.starts_with(root);
        walkedRoots.push_back(std::move(root));
    };

    RunRecord& scratch = record_;  // the preview writes nothing into it: it does not log
    const EmptyingEnvironment env{fs,          pump,        ctx_.Search, ctx_.frame, ctx_.view,
                                  ctx_.config, ctx_.commandLine, &rule,  &preview.files, &preview.keptFresh};
    ContainerEmptying emptying(env, scratch, EmptyingMode::Preview);
    const ProtectedLocations guard(fs, ctx_.platform.sys, ctx_.programDirectory);
    for (const config::ContainerRow& row : containers) {
        if (!busy.owns()) return std::nullopt;
        if (row.path.empty() || row.mark != Mark::Active) continue;
        const LocationJudgement judged = judgeContainer(guard, row.path);
        if (!judged.allowed()) continue;
        const std::string& location = judged.location;
        walking(location);
        emptying.emptyContainer(location.back() == '\\' ? location : location + "\\", "*.*", true);
    }
    for (const config::TaskRow& row : tasks) {
        if (!busy.owns()) return std::nullopt;
        if (row.mark != Mark::Active || !locationExists(fs, row.location)) continue;
        const LocationJudgement judged = judgeTaskLocation(fs, row.location);
        if (!judged.allowed()) continue;
        ctx_.Search.FileMask = config::FileMask(row.masks);
        ctx_.Search.ScanDir = judged.location;
        try {
            ctx_.Search.Execute();
        } catch (const search::InvalidMask&) {
            continue;  // the run passes such a task over too
        }
        walking(judged.location);
        if (!busy.owns()) return std::nullopt;
        for (search::TFilePack& match : ctx_.Search.TakeMatches()) {
            const RunFileVerdict verdict = rule.judge(match.Name, match.Attr, match.LastWriteUtc);
            if (verdict == RunFileVerdict::TooFresh) preview.keptFresh.insert(text::asciiUpper(match.Folder + match.Name));
            if (verdict == RunFileVerdict::Delete) preview.files.push_back(std::move(match));
        }
    }
    if (nested) {
        std::unordered_set<std::string> listed;
        std::erase_if(preview.files, [&](const search::TFilePack& file) {
            return !listed.insert(text::asciiUpper(file.Folder + file.Name)).second;
        });
    }
    return preview;
}

LocationJudgement CleaningRun::judgeContainer(const ProtectedLocations& guard, const std::string& path) const {
    const LocationScope scope{ctx_.config.check_noadd && ctx_.config.check_nodrive, false};
    return guard.judge(path, scope);
}

// Returns whether some row of either list is active afterwards.
bool CleaningRun::refreshLists() {
    const std::string previous = ctx_.status.statusText();
    ctx_.frame.setHourglassCursor(true);
    ctx_.status.setStatusText("Ürítendő Tárolók listájának frissítése");
    refreshContainerList(ctx_.config.list_temps, ctx_.platform);
    ctx_.status.setStatusText("Felvett Feladatok listájának frissítése");
    refreshTaskList(ctx_.config.list_projects, ctx_.platform.fs);
    ctx_.frame.setHourglassCursor(false);
    ctx_.status.setStatusText(previous);
    ctx_.view.listsChanged();
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
    setActivity(app::Activity::Cleaning);
    running_ = true;
    logShown_ = false;
    containerTotalCounted_ = false;
    currentTaskRow_ = 0;
    taskDeletedPaths_.clear();
    ctx_.frame.setWindowWasVisible(ctx_.frame.mainWindowVisible());
    record_.reset();
    trayCleanCaption_ = kTrayCleanHalt;
    ctx_.frame.setTrayCleanCaption(trayCleanCaption_);
    ctx_.autodel.mBatKezd(1);
    ctx_.status.startBlinking(kBlinkCleaning);
    ctx_.status.setStatusCentred(true);
    ctx_.view.showReportHalt(true);
    ctx_.view.hideLog();
    ctx_.view.setLastPathText("");
    ctx_.view.showReportButtons(false);
    ctx_.view.setCleaningPage(kReportPage);
    ctx_.view.setReportCaption(" A könyvtárak kiürítése és a feladatok végrehajtása folyamatban... ");
}

void CleaningRun::containerPhase(search::MessagePump& pump) {
    const bool someActive = std::any_of(containerRows_.begin(), containerRows_.end(),
                                        [](const config::ContainerRow& row) { return row.mark == Mark::Active; });
    if (someActive) record_.writer.runStart();

    const EmptyingEnvironment env{ctx_.platform.fs, pump,        ctx_.Search,      ctx_.frame,   ctx_.view,
                                  ctx_.config,      ctx_.commandLine, &*rule_, nullptr, &record_.keptFresh, recycle_.get()};
    ContainerEmptying emptying(env, record_, EmptyingMode::CleaningRun);
    const ProtectedLocations protectedLocations(ctx_.platform.fs, ctx_.platform.sys, ctx_.programDirectory);
    inContainerPhase_ = true;
    for (const config::ContainerRow& row : containerRows_) {
        if (row.path.empty() || row.mark != Mark::Active || activity() != app::Activity::Cleaning) continue;
        const std::string path = row.path;
        pump.pumpWhenDue();
        if (activity() != app::Activity::Cleaning) break;
        // The list may have been edited by hand: a drive or a system folder is never
        // emptied, whatever its line says. The row stays for the user to see and remove.
        const LocationJudgement judged = judgeContainer(protectedLocations, path);
        if (!judged.allowed()) {
            record_.writer.containerSkipped(path, judged.verdict);
            record_.writer.blank();
            continue;
        }
        // Exactly the folder that was judged is emptied, never another reading of the text.
        const std::string& location = judged.location;
        record_.currentContainerRoot = location;
        record_.writer.containerHeading(path);
        ctx_.view.setLastPathText(path);
        emptying.emptyContainer(location.back() == '\\' ? location : location + "\\", "*.*", true);
        if (recycle_) recycle_->settle(activity() == app::Activity::Cleaning);
        // A halted run has written its summary: nothing more goes into the log.
        if (activity() != app::Activity::Cleaning) break;
        record_.writer.containerResult(path, folderIsEmpty(ctx_.platform.fs, location));
        record_.writer.blank();
    }
    if (activity() == app::Activity::Cleaning && someActive) {
        record_.writer.containerPhaseEnd(record_.containerTotal);
        record_.runTotal += record_.containerTotal;
        containerTotalCounted_ = true;
    }
    inContainerPhase_ = false;
}

void CleaningRun::taskPhase(search::MessagePump& pump) {
    // After a halt nothing more runs the queue, so no new run can start on top of this one.
    if (activity() == app::Activity::Cleaning) pump.pumpWhenDue();
    const auto& rows = taskRows_;
    int first = -1;
    for (size_t i = 0; i < rows.size() && activity() == app::Activity::Cleaning; ++i) {
        if (rows[i].mark == Mark::Active && locationExists(ctx_.platform.fs, rows[i].location) &&
            taskWalkable(rows[i].location)) {
            first = static_cast<int>(i);
            break;
        }
    }
    if (first >= 0 && activity() == app::Activity::Cleaning) {
        currentTaskRow_ = first;
        ctx_.view.setCurrentTaskRow(first);
        record_.writer.taskPhaseStart();
        record_.writer.taskHeading(rows[first].location, rows[first].masks);
        startTask(first);
        return;
    }
    ctx_.Search.Stop();
    setActivity(app::Activity::Idle);
    if (!logShown_) TakaritVege(false);
}

// A location that is no full path would be walked in whatever folder is current, and one
// with a link on the way could lead anywhere: such a task gets its red line and is passed
// over. The judged form is what the walk then uses.
bool CleaningRun::taskWalkable(const std::string& location) {
    const LocationJudgement judged = judgeTaskLocation(ctx_.platform.fs, location);
    if (judged.allowed()) {
        taskScanDir_ = judged.location;
        return true;
    }
    record_.writer.taskSkipped(location, judged.verdict);
    record_.writer.blank();
    return false;
}

void CleaningRun::startTask(int row) {
    const config::TaskRow& task = taskRows_[static_cast<size_t>(row)];
    taskDeletedPaths_.clear();
    ctx_.Search.FileMask = config::FileMask(task.masks);
    ctx_.Search.ScanDir = taskScanDir_;
    setActivity(app::Activity::Cleaning);
    try {
        ctx_.Search.Execute();
    } catch (const search::InvalidMask&) {
        // A task whose types hold a bad mask matches nothing; the chain goes on to the
        // next task instead of leaving the run hanging.
        SearchFoldersChanged(ctx_.Search);
    }
}

void CleaningRun::SearchFoldersProcess(const std::string& dir) {
    if (activity() != app::Activity::Cleaning) return;
    ctx_.view.setLastPathText(text::asciiUpper(dir));
}

void CleaningRun::SearchFoldersChanged(search::TSearchFolders& sender) {
    // After a halt the end step has run already.
    if (activity() != app::Activity::Cleaning || !running_) return;
    const int64_t taskTotal = processMatches(sender);
    if (activity() != app::Activity::Cleaning) return;

    const auto& rows = taskRows_;
    platform::FileSystem& fs = ctx_.platform.fs;
    if (static_cast<size_t>(currentTaskRow_) < rows.size()) {
        const config::TaskRow& current = rows[static_cast<size_t>(currentTaskRow_)];
        if (locationExists(fs, current.location) && current.mark == Mark::Active) {
            record_.writer.taskEnd(current.location, current.masks, taskTotal);
        }
    }
    setActivity(app::Activity::Idle);
    for (size_t next = static_cast<size_t>(currentTaskRow_) + 1; next < rows.size(); ++next) {
        if (rows[next].mark != Mark::Active) continue;
        currentTaskRow_ = static_cast<int>(next);
        ctx_.view.setCurrentTaskRow(currentTaskRow_);
        // A task whose folder went away during the previous one is passed over.
        if (!locationExists(fs, rows[next].location) || !taskWalkable(rows[next].location)) continue;
        record_.writer.blank();
        record_.writer.taskHeading(rows[next].location, rows[next].masks);
        ctx_.Search.Stop();
        startTask(currentTaskRow_);
        return;
    }
    TakaritVege(false);
}

int64_t CleaningRun::processMatches(search::TSearchFolders& sender) {
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, PumpIntervalMs);
    taskTotal_ = 0;
    for (const search::TFilePack& match : sender.Matches()) {
        // A halt stops the deleting too, not only the logging.
        if (activity() != app::Activity::Cleaning) break;
        const RunFileVerdict verdict = rule_->judge(match.Name, match.Attr, match.LastWriteUtc);
        if (verdict == RunFileVerdict::TooFresh) record_.keptFresh.insert(text::asciiUpper(match.Folder + match.Name));
        if (verdict != RunFileVerdict::Delete) continue;
        if (recycle_) {
            recycle_->add({match.Folder + match.Name, match.Size, match.Attr});
        } else {
            deleteMatch(match);
        }
        pump.pumpWhenDue();
    }
    if (recycle_) recycle_->settle(activity() == app::Activity::Cleaning);
    return taskTotal_;
}

void CleaningRun::deleteMatch(const search::TFilePack& match) {
    platform::FileSystem& fs = ctx_.platform.fs;
    const LogColour colour = matchColour(match.Attr);
    const std::string full = match.Folder + match.Name;
    const std::optional<uint32_t> attributes = fs.getAttributes(full);
    fs.setAttributes(full, 0);
    const bool deleted = fs.deleteFile(full);
    if (deleted) {
        taskTotal_ += match.Size;
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
}

// A file the bin did not take stays where it is, listed with the undeletable ones; no
// batch line is written for it, since that would delete it for good after all.
void CleaningRun::recycled(const search::RecycleBatch::Item& item, platform::Recycling outcome) {
    const size_t cut = item.path.rfind('\\') + 1;
    const std::string folder = item.path.substr(0, cut);
    const std::string name = item.path.substr(cut);
    if (outcome == platform::Recycling::Recycled) {
        record_.deletedFiles += 1;
        if (inContainerPhase_) {
            record_.containerTotal += item.size;
            record_.writer.deletedFile(item.path, item.size);
        } else {
            taskTotal_ += item.size;
            record_.runTotal += item.size;
            record_.writer.taskDeletedFile(folder, name, item.size, matchColour(item.attributes), false);
            taskDeletedPaths_.push_back(item.path);
        }
        return;
    }
    record_.writer.notRecycled(item.path, item.size, search::recyclingRefusalText(outcome));
    if (inContainerPhase_) {
        record_.addContainerUndeletable(containerUndeletableEntry(item.path, item.size));
    } else {
        record_.undeletable.push_back(taskUndeletableEntry(folder, name, item.size));
    }
}

void CleaningRun::button_reporthaltClick() {
    // Also guards against a second halt arriving while this one runs the queue.
    if (!running_) return;
    running_ = false;
    ctx_.Search.Stop();
    setActivity(app::Activity::Idle);
    config::list_tempsModified(ctx_.config.list_temps, ctx_.platform);
    ctx_.view.listsChanged();
    TakaritVege(true);
    ctx_.frame.setTrayHint(app::programTitle(ctx_.fileVersion));
}

void CleaningRun::menu_traycleanClick() {
    ctx_.view.showCleaningPage();
    if (trayCleanCaption_.starts_with("T")) {
        button_begincleanClick();
    } else {
        button_reporthaltClick();
    }
}

void CleaningRun::button_reportrunendClick() {
    ctx_.view.setCleaningPage(kListsPage);
    record_.undeletable.clear();
    record_.containerEntries.clear();
}

void CleaningRun::notifyHidden(bool halted, bool& quitAfterwards) {
    const std::string title = app::programTitle(ctx_.fileVersion);
    const std::string freed = std::string(halted ? "Az eddig nyert terület mérete: " : "A nyert terület mérete: ") +
                              grouped(record_.runTotal) + " bájt.";
    if (ctx_.ntFamily) {
        ctx_.frame.showTrayBalloon(title + (halted ? " program - A takarítási folyamat megszakítva!"
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
        ctx_.frame.restoreFromTray();
        return;
    }
    ctx_.view.setCleaningPage(kListsPage);
    quitAfterwards = ctx_.config.check_quitprogramwhenautorundone;
}

void CleaningRun::TakaritVege(bool halted) {
    platform::FileSystem& fs = ctx_.platform.fs;
    running_ = false;
    // Counted before anything shows it, and only once.
    if (!containerTotalCounted_) {
        record_.runTotal += record_.containerTotal;
        containerTotalCounted_ = true;
    }

    ctx_.view.showCleaningPage();
    // The quit saves the settings, so it waits until the last-cleaning date is set.
    bool quitAfterwards = false;
    if (!ctx_.frame.mainWindowVisible()) notifyHidden(halted, quitAfterwards);

    ctx_.frame.setTrayHint(app::programTitle(ctx_.fileVersion));
    trayCleanCaption_ = kTrayCleanStart;
    ctx_.frame.setTrayCleanCaption(trayCleanCaption_);
    ctx_.status.setStatusCentred(false);
    ctx_.status.stopBlinking();
    setActivity(app::Activity::Idle);

    ctx_.view.setReportCaption(halted ? " A   v é g r e h a j t á s   m e g s z a k í t v a !  "
                                 : " A   v é g r e h a j t á s   b e f e j e z ő d ö t t .  ");
    ctx_.view.showReportHalt(false);
    ctx_.view.showReportButtons(true);
    logShown_ = true;

    const auto& tasks = taskRows_;
    LogWriter::Summary summary;
    summary.halted = halted;
    summary.tasksLine = !tasks.empty() && locationExists(fs, tasks.front().location) &&
                        static_cast<size_t>(currentTaskRow_) < tasks.size() &&
                        tasks[static_cast<size_t>(currentTaskRow_)].mark == Mark::Active;
    summary.runTotal = record_.runTotal;
    summary.deletedFiles = record_.deletedFiles;
    summary.keptFresh = static_cast<int64_t>(record_.keptFresh.size());
    summary.keepFreshHours = ctx_.config.keepFreshHours;
    summary.recycled = recycle_ != nullptr;
    summary.undeletable = record_.undeletable;
    record_.writer.closingAndSummary(summary);

    ctx_.autodel.setRunEnded();
    if (ctx_.frame.mainWindowVisible()) ctx_.view.focusReportButtons();
    if (halted) {
        ctx_.status.setStatusText(" A Takarítási folyamat megszakítva!");
    } else {
        ctx_.status.setStatusText(" A Takarítási folyamat befejeződött");
        if (ctx_.config.check_beep && !ctx_.frame.quitting() && !quitAfterwards && ctx_.frame.windowWasVisible() &&
            !(beepSuppressed && beepSuppressed())) {
            ctx_.frame.beep();
        }
    }

    saveLastLogAtRunEnd(fs, ctx_.platform.ui, record_.log, ctx_.programDirectory, ctx_.commandLine.isAutomatic());
    ctx_.autodel.mBatKezd(0);
    ctx_.view.setAutodelButtonEnabled(fs.fileExists(ctx_.programDirectory + std::string(kAutodelName)));
    ctx_.view.showLog(record_.log);

    if (!halted) ctx_.config.lastCleaning = timeutil::dateOnly(ctx_.platform.clock.now());
    if (runEnded) runEnded(halted);
    handBack();
    if (quitAfterwards) ctx_.frame.quit();
}

void CleaningRun::handBack() {
    const app::CommandLine& commandLine = ctx_.commandLine;
    if (commandLine.isAutoStart()) {
        if (!ctx_.config.check_quitprogramwhenautorundone) ctx_.frame.popUp();
        ctx_.frame.showApplicationTaskbarWindow();
        ctx_.frame.showTrayIcon();
        ctx_.frame.hideSplash();
    } else if (commandLine.isAutoRun()) {
        ctx_.frame.hideSplash();
    } else {
        ctx_.frame.popUp();
        ctx_.frame.searchVege();
    }
}

}  // namespace kefelo::cleaning
