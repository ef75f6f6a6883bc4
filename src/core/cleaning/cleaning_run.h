#pragma once
// The cleaning run ("Takarítás"): empties every active container, then walks every active
// task and deletes its matches, and ends with the summary, "utolso.log", "autodel.bat" and
// the notification that suits the run mode.
//
// Wiring: the session owns one walker `Search`; its OnChanged and OnProcess handlers call
// SearchFoldersChanged and SearchFoldersProcess below while the walker's tag is
// Activity::Cleaning. A run chains its tasks through OnChanged.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_frame.h"
#include "core/app/status_line.h"
#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/cleaning_page_view.h"
#include "core/cleaning/protected_locations.h"
#include "core/cleaning/run_file_rule.h"
#include "core/cleaning/run_record.h"
#include "core/config/config_model.h"
#include "core/search/message_pump.h"
#include "core/search/recycle_batch.h"
#include "core/search/search_folders.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace kefelo::cleaning {

inline constexpr const char* kTrayCleanStart = "Takarítás";
inline constexpr const char* kTrayCleanHalt = "Megszakít";

struct CleaningRunContext {
    platform::Platform& platform;
    config::ConfigModel& config;
    search::TSearchFolders& Search;
    const app::CommandLine& commandLine;
    app::StatusLine& status;
    app::MainFrame& frame;
    CleaningPageView& view;
    // Shared with the system stores (which add to it) and the autodel operations (which
    // finish its batch and read its log).
    RunRecord& record;
    AutodelOperations& autodel;
    std::string programDirectory;  // with trailing "\"
    std::string fileVersion;
    bool ntFamily = true;
    // The Recycle Bin, for a run that sends the deleted files there.
    platform::Shell* shell = nullptr;
};

// What a preview found: the files the run would delete, in the order it would.
struct RunPreview {
    std::vector<search::TFilePack> files;
    // Files the age option keeps, by their upper-case path.
    std::unordered_set<std::string> keptFresh;
};

// What the last run achieved, as its summary tells it.
struct RunTotals {
    int64_t filesDeleted = 0;  // deleted, or sent to the Recycle Bin
    int64_t bytesFreed = 0;
    int64_t undeletable = 0;
    int64_t keptFresh = 0;
};

class CleaningRun {
public:
    explicit CleaningRun(const CleaningRunContext& context);

    // How often the run's own loops run the message queue (the walker has its own).
    uint64_t PumpIntervalMs = 15;
    // The search's beep suppression mark: while a stopped search holds it, the end of a
    // run stays quiet.
    std::function<bool()> beepSuppressed;
    // Told at the end of every run, halted or not, with the record's totals final.
    std::function<void(bool halted)> runEnded;
    // Where a finished preview goes (the found-files list).
    std::function<void(RunPreview)> showPreview;

    // "Takarítás", "Ismétlés" and the automatic modes.
    void button_begincleanClick();
    // "Előnézet": walks the active containers and tasks as the run would and deletes
    // nothing; the files the run would delete go to showPreview.
    void button_previewClick();
    // The walk of a preview itself; nullopt when it was halted.
    std::optional<RunPreview> previewRun();
    // "Megszakít" on the report page, on the tray menu and on the splash.
    void button_reporthaltClick();
    // The tray menu item: the cleaning page, then start or halt by its caption.
    void menu_traycleanClick();
    // "Rendben": back to the lists; the undeletable list goes.
    void button_reportrunendClick();

    // The walker's end-of-walk event: one task's matches, then the next task.
    void SearchFoldersChanged(search::TSearchFolders& sender);
    // The walker's folder event during a task: the folder in `mUtolsoUrit`. (Running the
    // queue and the splash text are the common part of that handler, for every activity.)
    void SearchFoldersProcess(const std::string& dir);

    // The end step; `halted` when the run was stopped by the user.
    void TakaritVege(bool halted);

    bool running() const { return running_; }
    RunTotals totals() const {
        return {record_.deletedFiles, record_.runTotal, static_cast<int64_t>(record_.undeletable.size()),
                static_cast<int64_t>(record_.keptFresh.size())};
    }
    const std::string& trayCleanCaption() const { return trayCleanCaption_; }
    // The full paths the current task deleted (rFel).
    const std::vector<std::string>& taskDeletedPaths() const { return taskDeletedPaths_; }

private:
    app::Activity activity() const { return ctx_.Search.Tag; }
    void setActivity(app::Activity activity) { ctx_.Search.Tag = activity; }
    bool refreshLists();
    // The location guard of both the run and the preview.
    LocationJudgement judgeContainer(const ProtectedLocations& guard, const std::string& path) const;
    RunFileVerdict judgeMatch(const search::TFilePack& match) const;
    void recycled(const search::RecycleBatch::Item& item, platform::Recycling outcome);
    bool deleteLeftovers();
    void beginReport();
    void containerPhase(search::MessagePump& pump);
    void taskPhase(search::MessagePump& pump);
    bool taskWalkable(const std::string& location);
    void startTask(int row);
    int64_t processMatches(search::TSearchFolders& sender);
    void deleteMatch(const search::TFilePack& match);
    void notifyHidden(bool halted, bool& quitAfterwards);
    void handBack();
    std::string grouped(int64_t value) const;

    CleaningRunContext ctx_;
    RunRecord& record_;
    bool running_ = false;
    bool logShown_ = true;
    bool containerTotalCounted_ = false;
    int currentTaskRow_ = 0;
    std::string trayCleanCaption_ = kTrayCleanStart;
    std::vector<std::string> taskDeletedPaths_;
    std::string taskScanDir_;  // the judged location of the task about to be walked
    // The lists as they stood when the run started: its work, whatever changes meanwhile.
    std::vector<config::ContainerRow> containerRows_;
    std::vector<config::TaskRow> taskRows_;
    // Taken at the start of a run: the decision on each file, and the bin when it is used.
    std::optional<RunFileRule> rule_;
    std::unique_ptr<search::RecycleBatch> recycle_;
    bool inContainerPhase_ = false;
    int64_t taskTotal_ = 0;
};

}  // namespace kefelo::cleaning
