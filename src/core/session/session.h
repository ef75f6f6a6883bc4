#pragma once
// What the program holds for its whole run: the configuration and the mask table, the one
// folder walker `Search` with its activity code, the main window's lifecycle rules, the
// cleaning run with its record and "autodel.bat", the type lists and task editors, the
// options, the container discovery and the search page. Built and wired here; the windows
// show it. The walker's events go to whoever's activity code it carries.
#include <optional>
#include <string>
#include <string_view>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_shell.h"
#include "core/app/shell_views.h"
#include "core/cleaning/autodel_operations.h"
#include "core/cleaning/cleaning_run.h"
#include "core/cleaning/found_files_autodel.h"
#include "core/cleaning/run_history.h"
#include "core/cleaning/run_record.h"
#include "core/config/categories.h"
#include "core/config/config_model.h"
#include "core/config/type_lists.h"
#include "core/containers/discovery.h"
#include "core/containers/task_editor.h"
#include "core/integration/options_page_model.h"
#include "core/search/search_folders.h"
#include "core/search/search_page_model.h"
#include "core/session/view_slots.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace kefelo::session {

struct SessionContext {
    platform::Platform& platform;
    platform::Shell& shell;
    const app::CommandLine& commandLine;
    std::string programDirectory;  // with trailing "\"
    std::string fileVersion;
};

class Session {
public:
    // The views are the main window's; nothing calls them before the window exists.
    Session(const SessionContext& context, app::ShellViews views);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The pages attach their views (nullptr takes one away).
    void attachCleaningView(cleaning::CleaningPageView* view) { cleaningView_.attach(view); }
    void attachDiscoveryView(containers::DiscoveryView* view) { discoveryView_.attach(view); }
    void attachSearchView(search::SearchView* view) { searchView_.attach(view); }

    // The main window's creation rules with the configuration loaded (again); true after
    // an "/update" start, when the help page should open on the version history.
    bool loadConfiguration(int screenWidth, int screenHeight);
    // Both lists looked at again (rows whose folder is gone lose their mark), and shown.
    void refreshLists();
    // Page 0 of the cleaning page (the lists) comes up.
    void showCleaningLists() { cleaningView_.setCleaningPage(0); }

    // A directory handed over by another copy: the path to search, or nullopt when the
    // request is dropped because something runs.
    std::optional<std::string> receiveHandover(std::string_view payload);
    // The search of a handed-over directory, unless something started meanwhile: the
    // balloon tells of it, every type is ticked and the search runs.
    void searchHandedOver(const std::string& path);

    app::Activity activity() const { return walker_.Tag; }
    // Quit and the end of the Windows session stop the running operation first.
    void haltOperation();
    bool ntFamily() const { return ntFamily_; }
    const SessionContext& context() const { return ctx_; }

    config::ConfigModel& config() { return config_; }
    config::MaskTable& masks() { return masks_; }
    search::TSearchFolders& walker() { return walker_; }
    app::MainShell& shell() { return shell_; }
    app::MainFrame& frame() { return shell_.frame(); }
    app::StatusLine& status() { return status_; }
    cleaning::RunRecord& record() { return record_; }
    cleaning::AutodelOperations& autodel() { return autodel_; }
    cleaning::CleaningRun& run() { return run_; }
    // The automatic cleaning of "/a" and "/autorun": the run that the history counts as such.
    void startAutomaticRun();
    cleaning::RunHistory& history() { return history_; }
    config::TypeLists& typeLists() { return typeLists_; }
    containers::TaskEditors& taskEditors() { return taskEditors_; }
    integration::OptionsPageModel& options() { return options_; }
    containers::ContainerDiscovery& discovery() { return discovery_; }
    search::SearchPageModel& search() { return search_; }
    // The search page's view as the models see it (nothing happens before it is attached).
    search::SearchView& searchView() { return searchView_; }
    // The folder archives go to: the one last used, or "Zipped" in the program directory
    // when none is set or it no longer exists.
    std::string zipTargetDirectory();

private:
    void walkerProcess(const std::string& dir, int64_t countFiles);
    void walkerChanged();
    void recordRun(bool halted);

    SessionContext ctx_;
    bool ntFamily_;
    app::StatusLine& status_;
    config::ConfigModel config_;
    config::MaskTable masks_;
    search::TSearchFolders walker_;
    app::MainShell shell_;
    CleaningViewSlot cleaningView_;
    DiscoveryViewSlot discoveryView_;
    SearchViewSlot searchView_;
    cleaning::RunRecord record_;
    cleaning::AutodelOperations autodel_;
    cleaning::FoundFilesAutodel foundFilesAutodel_;
    config::TypeLists typeLists_;
    containers::TaskEditors taskEditors_;
    cleaning::CleaningRun run_;
    cleaning::RunHistory history_;
    bool automaticRun_ = false;
    integration::OptionsPageModel options_;
    containers::ContainerDiscovery discovery_;
    search::SearchPageModel search_;
};

}  // namespace kefelo::session
