#pragma once
// The options, the container and task grids, the search-location list and the protected
// names as the main window's controls hold them. The files are loaded into this and saved
// from it; the views copy it to the real controls and back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/list_models.h"
#include "core/config/settings_record.h"
#include "core/config/window_placement.h"
#include "base/time/datetime.h"

namespace kefelo::config {

inline constexpr std::string_view kListFileName = "konyvtarak.lst";
inline constexpr std::string_view kProtectedFileName = "vedettek.lst";
inline constexpr std::string_view kSettingsFileName = "beallitasok.cfg";

// The last item of the search-location list, which opens the folder picker.
inline constexpr std::string_view kBrowseItem = "Tallóz...";

// Grid column 0. The grids draw Active as the byte 0xFE and Inactive as "o" in Wingdings.
enum class Mark { None, Active, Inactive };

// A row of `list_temps`.
struct ContainerRow {
    Mark mark = Mark::None;
    std::string modified;  // date text, "0" when the directory was not found
    std::string path;
};

// A row of `list_projects`.
struct TaskRow {
    Mark mark = Mark::None;
    std::string location;
    std::string masks;  // joined by "|"
};

// A grid always has at least one data row; an empty list is that one row left blank.
// Row 0 here is the first data row (the header row is the view's business).
template <typename Row>
struct Grid {
    std::vector<Row> rows{Row{}};

    void clear() { rows.assign(1, Row{}); }
};

using ContainerGrid = Grid<ContainerRow>;
using TaskGrid = Grid<TaskRow>;

// Minimum (and default) size of the main window.
inline constexpr int kMainWindowMinWidth = 649;
inline constexpr int kMainWindowMinHeight = 400;

struct ConfigModel {
    // Options bound to the settings record, with the designed initial states.
    bool check_autorun = false;
    std::string edit_daysofautorun = "8";
    bool edit_daysofautorunEnabled = false;
    bool check_gototrayonclose = false;
    bool check_quitprogramwhenautorundone = false;
    bool check_quitprogramwhenautorundoneEnabled = false;
    WindowBounds window{0, 0, kMainWindowMinWidth, kMainWindowMinHeight};
    bool check_viewalerts = true;
    bool checked_startupwithwindows = false;
    bool cNaplo = false;
    bool check_stayontop = false;
    bool check_resursivesearchmode = true;
    bool check_deleteemptyfolder = true;
    bool check_beep = true;
    bool check_fullsearch = false;
    int32_t activePage = 0;  // pc
    // The last line of the mask table `mKit`; the caller appends it to the table after
    // loading and puts the table's last line back here before saving.
    std::string ownTypes;
    std::string zipDirectory;
    bool check_updatesearch = false;
    std::string edit_updatesearch = "15";
    bool edit_updatesearchEnabled = false;
    timeutil::TDateTime lastUpdateSearch = 0.0;
    timeutil::TDateTime lastCleaning = 0.0;
    // Temp files modified within this many hours are left by the cleaning run; 0 is off.
    int32_t keepFreshHours = 0;
    // Deleted files go to the Recycle Bin: for the cleaning run, and for the found-files delete.
    bool check_recyclerun = false;
    bool check_recyclefound = false;

    // Never stored: always off after loading.
    bool check_noadd = false;
    bool check_nodrive = false;

    // Search-location combo `edit_searchpath`: history items, then "Tallóz...".
    ListBox edit_searchpath;

    ContainerGrid list_temps;
    TaskGrid list_projects;
    ListBox list_protectfiles;

    // Neither "konyvtarak.lst" nor "beallitasok.cfg" existed: show the welcome screen.
    bool firstRunScreen = false;

    // The list file existed but could not be read (locked, no rights, a read error). Its
    // grid or list then holds nothing of it, so saving would destroy it: the saves of this
    // session leave that file alone.
    bool listFileUnreadable = false;
    bool protectedFileUnreadable = false;
    bool settingsFileUnreadable = false;

    // The record as last read or saved (all zero when there was none): the history slots
    // that keep their text when the list has no item for them, and the bytes the program
    // never interprets, which every save writes back unchanged.
    Settings stored;
};

}  // namespace kefelo::config
