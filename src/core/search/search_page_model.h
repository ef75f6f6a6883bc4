#pragma once
// The temp-file search page: the life of one search (location, checks, start, progress,
// stop, end, back to the settings) and the found-files list's commands. The page holds
// what its controls show; the view copies it to them when told that it changed.
//
// Wiring: the session's walker `Search` reports to SearchFoldersProcess and
// SearchFoldersChanged while its tag is Activity::FileSearch.
#include <cstdint>
#include <functional>
#include <string>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_frame.h"
#include "core/app/status_line.h"
#include "core/config/config_model.h"
#include "core/config/type_lists.h"
#include "core/search/found_files.h"
#include "core/search/found_files_legend.h"
#include "core/search/found_files_menu.h"
#include "core/search/found_files_operations.h"
#include "core/search/found_files_sort.h"
#include "core/search/mask.h"
#include "core/search/search_folders.h"
#include "core/search/search_location.h"
#include "core/search/search_texts.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace kefelo::search {

// The search page as the search sees it; the status bar and the main window are the
// context's status line and frame.
class SearchView {
public:
    virtual ~SearchView() = default;
    // The page's fields changed: copy them to the controls.
    virtual void searchPageChanged() = 0;
    // The found files changed (rows, order or marks): the list is drawn again.
    virtual void foundFilesChanged() = 0;
    // Whether the search page is the page of the main page control `pc` now.
    virtual bool searchPageShown() = 0;
    virtual void showSearchPage() = 0;
    virtual void focusFoundFiles() = 0;
};

struct SearchContext {
    platform::Platform& platform;
    // The location history, the recursion option, the protected names, the alerts option.
    config::ConfigModel& config;
    // `list_searchcategory` and `list_searchext`.
    config::TypeLists& lists;
    // The main window's walker; its Tag is the activity code.
    TSearchFolders& Search;
    const app::CommandLine& commandLine;
    SearchView& view;
    app::StatusLine& status;
    app::MainFrame& frame;
    std::string fileVersion;
};

// The inner pages of the search page (`pcKereses`).
enum SearchInnerPage : int { search_settings = 0, search_results = 1 };

class SearchPageModel {
public:
    explicit SearchPageModel(const SearchContext& context);
    ~SearchPageModel();
    SearchPageModel(const SearchPageModel&) = delete;
    SearchPageModel& operator=(const SearchPageModel&) = delete;

    // How often the page's own loops run the message queue, and how often the progress
    // is shown while a walk runs (the state follows every folder).
    uint64_t PumpIntervalMs = 15;
    uint64_t ProgressIntervalMs = 100;

    // --- what the controls show ---
    int pcKereses = search_settings;
    std::string button_searchbegin = kBeginCaption;
    std::string button_searchhalt = kBackCaption;
    std::string group_finds = kFindsCaption;
    std::string group_findsabout = kFoundCaption;
    std::string group_findselect = kActiveCaption;
    std::string label_findsabout = kEmptySummary;
    std::string label_findselect = kEmptySummary;
    bool label_findselectBold = false;
    std::string memo_findfileactualpath;
    bool progressShown = false;  // `pUtolsoAllomany` in front of the list
    bool list_findsShown = true;
    bool list_findsEnabled = true;
    bool group_findselectEnabled = true;
    bool edit_searchpathEnabled = true;
    bool check_autorefresh = true;
    bool check_autorefreshEnabled = true;
    // Cleared by a start, raised by the stop: the end-of-cleaning beep waits for it clear.
    bool beepSuppressed = false;

    SearchLocation location;
    FoundFiles found;
    // What a row's colour is drawn by: its file on the disk at this moment.
    std::optional<uint32_t> foundAttributesNow(size_t row) const { return found.attributesNow(row, ctx_.platform.fs); }
    FoundFilesMenu menu;
    FoundFilesSorting sorting;
    ColourLegend legend;

    // The hint of `list_finds`; an empty list has none.
    std::string foundFilesHint() const { return found.holdsResults() ? foundHint_ : std::string(); }
    // Move, compress and delete: while some listed row is active.
    bool operationButtonsEnabled() const;
    bool searching() const;

    // The files a cleaning run would delete, in its place: the results page shows them
    // with their totals, ready for the list's operations.
    void showCleaningPreview(std::vector<TFilePack> files, int64_t keptFresh);

    // --- the life of a search ---
    void button_searchbeginClick();
    // Enter in the location field.
    void edit_searchpathEnter();
    // "Keresés leállítása" while searching, "Visszalépés" afterwards.
    void button_searchhaltClick();
    // Esc: halts or goes back while the results page shows. True when it was taken.
    bool escapePressed();
    void SearchFoldersProcess(const std::string& dir, int64_t countFiles);
    void SearchFoldersChanged();
    // A directory start or a second copy's folder: every category and type ticked, the
    // search starts at once.
    void directoryHandover(const std::string& path);

    // --- the found files ---
    // Against the disk; `details` re-reads size, date and attributes too.
    void refreshFoundFiles(bool details);
    // The main window became active.
    void activated() { refreshFoundFiles(check_autorefresh); }
    void check_autorefreshClick(bool ticked);
    // `sgTfrissites`: the active files' count and size again.
    void sgTfrissites();
    void markingCommand(config::MarkingCommand command);
    // The right button or Enter over the list: whether `pTalalatok` opens. The selection
    // popup then acts on the found files too.
    bool contextMenuOpening();
    // An item of "Aktív a következő szerint" by its index.
    void selectByItem(size_t item);
    // Double click or Space on the current row.
    void toggleCurrentRow(bool listFocused);
    void rowClicked(int row);
    void titleClick(int column, bool rightButton);

    // --- acting on the found files ---
    // Set by the owner: the shell that starts programs, and autodel.bat for the files a
    // delete leaves behind. Without them those steps are left out.
    platform::Shell* shell = nullptr;
    UndeletableQueue* undeletables = nullptr;
    // Called after protecting a name has taken rows out of the list, so that the ZIP
    // window can drop them from its own list of undeletable files.
    std::function<void()> pruneZipUndeletables;

    // Delete, move and compress act only while this holds (the guard of the active-files box).
    bool activeFilesActionable() const;
    // "Törlés", Delete and F8: the active files, one by one; what stays can go into autodel.bat.
    void button_findsselectdeleteClick();
    // "Áthelyezés" and F6: the active files into a folder the user picks.
    void button_findsselectmoveClick();
    // The current row's items of `pTalalatok`.
    void rowCommand(RowCommand command);
    void menuitem_searchfilenametoprotectClick();

    // --- the colour legend ---
    // The colour dialog of a label was left with OK.
    void legendColourChosen(RowColour kind, Rgb colour);
    // The right button on a label: all five colours back, after asking when the alerts are on.
    void legendRightClick();

private:
    app::Activity activity() const;
    void setActivity(app::Activity activity);
    std::string elapsedNow() const;
    void showList();
    void returnToIdle();
    void endAfterInvalidMask(const InvalidMask& error);
    void changed() { ctx_.view.searchPageChanged(); }
    void beginOperation();
    void endOperation();
    void queueUndeletables(const std::vector<std::string>& lines);
    void openCurrentRow(bool run);
    void openCurrentFolder();
    void showCurrentProperties();

    SearchContext ctx_;
    std::string foundHint_;
    timeutil::TDateTime startTime_ = 0.0;
    uint64_t lastProgressMs_ = 0;
    bool refreshing_ = false;
    // A delete or move walks the rows: refreshes and other operations wait for it.
    bool operating_ = false;
};

}  // namespace kefelo::search
