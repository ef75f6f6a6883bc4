#pragma once
// The system stores of the tools page (`list_defaulttemps`): six standard Windows places
// that fill up on their own. Each can be located, opened and, when ticked, emptied in one
// go with the cleaning run's folder emptying, so protected names survive here too. Nothing
// of the list outlives the run; the ticks go after every emptying. The queue runs during an
// emptying and while the uninstall directories are looked for, so every handler of the list
// refuses while any operation holds the activity code.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/main_frame.h"
#include "core/app/status_line.h"
#include "core/cleaning/run_record.h"
#include "core/config/config_model.h"
#include "core/config/list_models.h"
#include "core/search/search_folders.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace kefelo::tools {

enum SystemStore : int {
    store_recyclebin = 0,
    store_recent = 1,
    store_history = 2,
    store_templates = 3,
    store_updateuninstall = 4,
    store_drivercache = 5,
};
inline constexpr int kSystemStoreCount = 6;

inline constexpr std::array<std::string_view, kSystemStoreCount> kSystemStoreCaptions = {
    "Lomtár",
    "Legutóbbi állományok hivatkozásainak(Start Menü > Dokumentumok) tárolója",
    "Előzmények-tároló",
    "Sablonokat tartalmazó tároló",
    "Windows frissítések eltávolításához szükséges állományok könyvtárai",
    "Eszköz-meghajtóprogramokat (driver-ek) tartalmazó könyvtár",
};

inline constexpr std::string_view kStoreMenuOpen = "Megnyitás";
inline constexpr std::string_view kStoreMenuProperties = "Tulajdonságpanel";
inline constexpr std::string_view kStoreListHint =
    "Jobb egérgomb lenyomásával megtekinthetjük a kijelölt tároló tartalmát";
inline constexpr std::string_view kResultLabelHint = "Kattintson ide a lemezelemző táblázat megtekintéséhez";
inline constexpr std::string_view kEmptyStoresDescription =
    "Az aktív(bepipált) tárolók ürítési folyamatának indítása.\r\nAz ürítési folyamatot nyomon követheti, hiszen az "
    "éppen ürítés alatt álló tároló háttere kiemelve látszik.";
inline constexpr std::string_view kRecycleBinStatus = "Lomtár";
inline constexpr std::string_view kStoreNotFound =
    "A Windows ezen rendszermappája nem található, ezért nem is ürítheti!";
inline constexpr std::string_view kNoUninstallDirectories =
    "Jelenleg nincs a frissítések eltávolításához szükséges könyvtár a Windows rendszerkönyvtárában!";
inline constexpr std::string_view kBusy =
    "Már elindított egy keresési folyamatot!\r\nVárja meg annak befejeztét, vagy állítsa le mielőtt Takarítani "
    "szeretne!\r\n\r\nNyomjon az \"OK\" gombra az éppen futó keresési folyamat folytatásához!";
inline constexpr std::string_view kNothingTicked = "Legalább egy tárolót jelöljön ki az ürítéshez!";
inline constexpr std::string_view kEmptyingQuestion = "Biztosan kiüríti a következő tárolókat?\r\n";
// After the first few update-uninstall directories the question names, their remaining number.
inline constexpr std::string_view kMoreDirectories = "...és további könyvtárak: ";
inline constexpr std::string_view kInProgress = "Folyamatban..";
inline constexpr std::string_view kEmptyingDone = "Az aktív tárolók kiürítése befejeződött!";
inline constexpr std::string_view kShellLibraryFailed =
    "A Kefeló program nem tudta betölteni a szükséges Shell32.dll állományt.\r\nA Lomtár ürítése így nem fejeződött "
    "be teljesen!";
inline constexpr std::string_view kRecycleBinManualStatus =
    "A Lomtár ürítése sajnos nem lehetséges. Kézzel kell törölnie a tartalmát!";
inline constexpr std::string_view kRecycleBinManualQuestion =
    "Az Ön operációs rendszere nem teszi lehetővé egy külső program (jelen esetben a Kefeló) számára, hogy az a "
    "Lomtárat kiüríthesse!\r\n\r\nA Lomtár ürítése nem lehetséges, tehát a tartalmát kézzel kell törölnie!\r\n\r\n"
    "Megnyitja a Lomtárat? (A Fájl menü > Lomtár ürítése menüpontban tudja üríteni a tartalmát)";
inline constexpr std::string_view kUninstallFailed =
    "A Windows frissítések átmeneti állományainak eltávolítása nem sikerült!";
inline constexpr std::string_view kDriverCacheFailed =
    "A meghajtóprogramokat tároló rendszermappája kiürítése nem sikerült!";
// A location that resolved to a drive, a system folder or no full path is left alone.
inline constexpr std::string_view kStoreRefused =
    "A tároló helye védett vagy nem teljes elérési út, ezért nem ürítettem ki:\r\n";

inline constexpr std::string_view kUninstallListHint =
    "Az egyes elemek helyi menüjének megjelenítéséhez kattintson JOBB egérgombbal";
inline constexpr std::string_view kDirectoryNotFound = "A könyvtár nem található!";

// The tools page's result label and list as emptying drives them.
class SystemStoresView {
public:
    virtual ~SystemStoresView() = default;
    // Ticks or selection changed: the list shows them now (the store being emptied is the
    // selected one, so it is redrawn at once).
    virtual void storesChanged() = 0;
    // `label_defaulttempinfoafterclean`.
    virtual void setResultLabel(const std::string& text, bool visible) = 0;
    // Puts text in front of what the description box says.
    virtual void prefixDescription(const std::string& text) = 0;
};

struct SystemStoresContext {
    platform::Platform& platform;
    platform::Shell& shell;
    config::ConfigModel& config;
    // Its tag is the activity code; emptying and looking for the uninstall directories hold
    // it at the stores' own value.
    search::TSearchFolders& Search;
    app::StatusLine& status;
    app::MainFrame& frame;
    const app::CommandLine& commandLine;
    cleaning::RunRecord& record;
    std::string programDirectory;  // with trailing "\"
};

// A dollar-enclosed name: begins and ends with "$" ("$" alone counts).
bool isUninstallDirectoryName(std::string_view name);

// What a right click or Enter on the list brings up.
enum class StorePopup { None, StoreMenu, UninstallWindow };

class SystemStores {
public:
    explicit SystemStores(const SystemStoresContext& context);

    void attachView(SystemStoresView* view) { view_ = view; }

    // `list_defaulttemps`: the six captions, their ticks and the selected store.
    config::CheckList list;

    // Whether an operation holds the activity code: the list then takes no input.
    bool busy() const { return ctx_.Search.Tag != app::Activity::Idle; }

    // A click or key on the list: locates the selected store, its folder into the status
    // text and back, or empty (the Recycle Bin, or a store not found, which loses its tick
    // after an error box). Refused with the busy warning while an operation runs.
    std::string locateSelected();
    // Moving the selection; ignored while an operation runs, whose own progress it shows.
    void select(int store);
    // A tick set or taken; refused with the busy warning while an operation runs.
    void toggle(int store);

    // The description of the selected store.
    std::string description() const;

    // A right click (or Enter) on the list: the store menu, the update-uninstall window for
    // store 4 when it has anything to show, or nothing (after the busy warning) while an
    // operation runs.
    StorePopup popupRequested(bool rightClick);
    // "Megnyitás" / "Tulajdonságpanel" of `popRendszerTarolo` on the selected store.
    void openSelected(bool properties);

    const std::vector<std::string>& uninstallDirectories() const { return uninstallDirectories_; }
    // The bare names for the window's list.
    std::vector<std::string> uninstallDirectoryNames() const;
    // The window's item: its full path into the status text; "" clears it.
    void showUninstallDirectory(const std::string& name);
    // The window's menu on one name.
    void openUninstallDirectory(const std::string& name, bool properties);

    // `button_defaultselectedtempscleanClick`. The ticked stores, their folders and the
    // uninstall directories are taken once, named in the question with their folders, and
    // emptied as named; what the list shows afterwards does not change the run.
    void emptyActive();

    // A click on the result label: true when the disk table may open (the label is hidden
    // then); false after the busy warning while an operation runs.
    bool resultLabelClicked();

    const std::string& windowsDirectory() const { return windowsDirectory_; }

private:
    // What one emptying works through.
    struct Work {
        std::array<bool, kSystemStoreCount> stores{};
        std::array<std::string, kSystemStoreCount> folders;
        std::vector<std::string> uninstallDirectories;
    };

    // The busy warning when an operation runs.
    bool refusedWhileBusy();
    std::string locate(int store);
    std::string folderOf(int store);
    void rebuildUninstallList();
    void openRecycleBin(bool properties);
    bool uninstallWindowReady();
    bool confirmEmptying(const Work& work);
    Work takeWork(const std::array<bool, kSystemStoreCount>& named);
    void emptyRecycleBin();
    // Stores 1, 2, 3 and 5: false when the folder is missing or may not be emptied.
    bool emptyFolderStore(const std::string& folder);
    void emptyUninstallDirectories(const std::vector<std::string>& directories);
    // The emptying's own highlight of the store it works on.
    void highlight(int store);
    bool allowed(const std::string& path);
    void changed();

    SystemStoresContext ctx_;
    SystemStoresView* view_ = nullptr;
    std::string windowsDirectory_;
    std::vector<std::string> uninstallDirectories_;
    bool uninstallListBuilt_ = false;
};

}  // namespace kefelo::tools
