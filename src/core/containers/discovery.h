#pragma once
// Finding the standard temporary folders ("Alapértékek"): the user's temp folder, the
// fixed folders at the root of the Windows drive and in the Windows directory, and on the
// NT family the folders of every user profile, by a listing of the profiles root or by a
// full walk of it. Everything found goes into the container list inactive, so discovery
// never makes anything deletable by itself.
#include <functional>
#include <string>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_frame.h"
#include "core/app/status_line.h"
#include "core/config/config_model.h"
#include "core/search/search_folders.h"
#include "platform/platform.h"

namespace kefelo::containers {

inline constexpr const char* kInitialCaption = "Alapértékek";
inline constexpr const char* kHaltCaption = "Megszakít";

extern const char* const kDiscoveryBusyWarning;  // pressing the button while a walk runs
extern const char* const kDiscoveryBusyRetry;    // a walk runs when the profiles are due
extern const char* const kKeepContainersQuestion;
extern const char* const kKeepTasksQuestion;
extern const char* const kProfilesQuestion;
extern const char* const kDiscoveryHalted;
extern const char* const kDiscoveryDone;   // after the listing of the profiles root
extern const char* const kFullSearchDone;  // after a full walk

// What discovery changes on the cleaning page; the status bar and the main window are the
// context's status line and frame.
class DiscoveryView {
public:
    virtual ~DiscoveryView() = default;
    virtual void setInitialCaption(const std::string& caption) = 0;  // `button_initial`
    // Hidden and disabled while the profiles are searched.
    virtual void showContainerGrid(bool shown) = 0;
    virtual void setCurrentContainerRow(int row) = 0;  // 0 is the first data row
    // Page 0 of `pc`; with `lists` also page 0 of `pcKefelas`.
    virtual void showCleaningLists(bool lists) = 0;
    // `memotempssearch`: the folder being looked at.
    virtual void showSearchedFolder(const std::string& folder) = 0;
    // The rows changed: redraw the grids.
    virtual void listsChanged() = 0;
};

struct DiscoveryContext {
    platform::Platform& platform;
    config::ConfigModel& config;
    // The session's walker; its Tag is the activity code.
    search::TSearchFolders& Search;
    const app::CommandLine& commandLine;
    DiscoveryView& view;
    app::StatusLine& status;
    app::MainFrame& frame;
    // `TesztBe`: a line for the diagnostic console (ignored outside diagnostic mode).
    std::function<void(const std::string&)> TesztBe;
};

class ContainerDiscovery {
public:
    explicit ContainerDiscovery(DiscoveryContext context);

    // `button_initialClick`: starts discovery after its questions, or halts a running one.
    void button_initialClick();
    // The whole discovery without questions (also on leaving the welcome screen). The keep
    // flag decides whether the present rows stay; it is cleared afterwards.
    void Discovery();
    void setKeepFlag(bool keep) { keep_ = keep; }

    // The walker's events while the activity is the container search.
    void SearchFoldersProcess(const std::string& dir);
    void SearchFoldersChanged();

    const std::string& caption() const { return caption_; }
    bool running() const { return running_; }

    // Adds one row when the folder exists and is not listed yet; true when added.
    bool addStandardContainer(const std::string& path);
    // The standard folders of one profile.
    void profileContainers(std::string folder);

private:
    app::Activity activity() const { return ctx_.Search.Tag; }
    void setCaption(const std::string& caption);
    void tesztBe(const std::string& text);
    bool listed(const std::string& path) const;
    bool appendRow(const std::string& found);
    std::string lastWriteDate(const std::string& path);
    void addUserTemp();
    void searchProfiles(const std::string& windowsDir);
    void fullSearch(const std::string& scanDir);
    void finishProfileListing();
    void showGridAgain();

    DiscoveryContext ctx_;
    std::string caption_ = kInitialCaption;
    bool keep_ = false;
    bool running_ = false;
    bool halted_ = false;
};

// The folder-name test of the full search: a standard name, or a name whose short form
// is "tempor~1" (`shortName` is the folder's short path or name; may be empty).
bool qualifiesInFullSearch(const std::string& dir, const std::string& shortName);

// The profiles root of a Cookies folder: its path cut before the second backslash from
// the end ("C:\Documents and Settings\User\Cookies" -> "C:\Documents and Settings").
// Empty when there are not two backslashes.
std::string profilesRoot(const std::string& cookies);

}  // namespace kefelo::containers
