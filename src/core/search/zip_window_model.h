#pragma once
// The ZIP window `tomorit`: packing the active found files into an archive, the result,
// deleting the packed source files with the space balance, and the list of those that
// could not be deleted. The model holds what the window's controls show; the window copies
// it to them when `changed` runs and ends its showing when `close` runs.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/app/activity.h"
#include "core/app/main_frame.h"
#include "core/config/config_model.h"
#include "core/search/search_page_model.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/zip_archive.h"

namespace kefelo::search {

// Pages of `pc`.
enum ZipPage : int {
    zip_name = 0,
    zip_result = 1,
    zip_compressing = 2,
    zip_deleting = 3,
    zip_undeleted = 4,
    zip_alldeleted = 5,
};

inline constexpr const char* kZipWindowCaption = "Aktív átmeneti állományok tömörítése";
inline constexpr const char* kUndeletedWindowCaption = "Tömörített, de nem törölhető állományok";
inline constexpr const char* kZipNameDialogTitle =
    "Válasszon egy helyet és gépeljen be egy nevet a leendő tömörítvénynek";
inline constexpr const char* kZipNameDialogFilter = "Minden állomány (*.*)";
inline constexpr const char* kZipOverwriteQuestion =
    "A megadott állománynévvel már létezik fájl!\r\nSzeretné felülírni a régi állományt?\r\n(Ha a \"Nem\"-et "
    "választja, adjon meg egy másik állománynevet!)";
inline constexpr const char* kZipOldNotRemovable =
    "Mentés előtt nem sikerült a régi állományt eltávolítani!\r\n\r\nA tömörítvény ezért nem jött létre!";
inline constexpr const char* kZipFailedQuestion =
    "Hiba miatt a tömörítvény nem, vagy csak részben készült el!\r\n\r\nMegnyitja a most készített, hibás "
    "tömörítvény helyét?";
inline constexpr const char* kZipArchiveGone = "Az imént elkészített tömörítvény el lett távolítva!";
inline constexpr const char* kZipCompressCaption = "Tömörítés";
inline constexpr const char* kZipDoneCompressCaption = "Tömörít";
inline constexpr const char* kZipClosingLabel = "Lezárás és elmentés folyamatban!";
inline constexpr const char* kZipBalloonText = "Kattintson ide a további kezeléshez!";
// Hints of the window's controls.
inline constexpr const char* kZipNameHint = "Kattintson duplán a fájl helyének és nevének megváltoztatásához";
inline constexpr const char* kZipCancelHint = "Az ablak bezárása";
inline constexpr const char* kZipDeleteSourcesHint =
    "Azon aktív állományok eltávolítása, amelyek szerepelnek a keletkezett tömörítvényben";
inline constexpr const char* kZipAbortHint = "A folyamat azonnali befejezése";
inline constexpr const char* kZipBalanceHint =
    "Képlet =  Összes tömörített, majd törölt állomány - a tömörítvény mérete";

// The folder "Zipped" of the program directory, where archives go unless the user chose
// another place.
std::string defaultZipDirectory(const std::string& programDirectory);

struct ZipContext {
    platform::Platform& platform;
    platform::Shell& shell;
    platform::ZipArchives& archives;
    SearchPageModel& search;
    // The walker's activity code: packing and deleting hold it, so nothing else starts or
    // replaces the found files meanwhile, and a halt that takes it stops them.
    app::Activity& activity;
    // Told when rows of the found files were removed or the current row changed.
    SearchView& searchView;
    app::MainFrame& frame;
    config::ConfigModel& config;
    std::string programDirectory;  // with trailing "\"
    std::string fileVersion;
    bool ntFamily = true;
};

class Ttomorit {
public:
    explicit Ttomorit(const ZipContext& context) : ctx_(context) {}
    Ttomorit(const Ttomorit&) = delete;
    Ttomorit& operator=(const Ttomorit&) = delete;

    // The window copies the fields to its controls and repaints.
    std::function<void()> changed;
    // The window ends its showing (modal or not).
    std::function<void()> close;

    // --- what the controls show ---
    int pc = zip_name;
    std::string caption = kZipWindowCaption;
    std::string edit_compressname;
    std::string memo_whenzip;
    std::string box_undercompress;
    std::string labelname;
    int Gauge = 0;
    std::string button_compress = kZipCompressCaption;
    std::string memo_zipinfowhenend;
    std::string button_zipopenHint, button_zipdirHint;
    std::string box_underdelete;
    std::string labelnamed;
    int GaugeD = 0;
    std::vector<std::string> listundeleted;
    int listundeletedIndex = -1;
    std::string labelfree, labelfree2;
    // The hints an entry of the undeletable list leaves on the window and on the list.
    std::string windowHint, listHint;

    // --- state ---
    int openMark = 0;
    bool compressRunning = false;  // the tag of `button_compress`
    bool deleteRunning = false;    // the tag of `button1`
    bool undeletedMark = false;    // the tag of `pc`
    int64_t spaceBalance = 0;

    struct Packed {
        std::string path;
        std::string entry;
    };
    // Every file in the current archive, in the order stored; after a deletion run those
    // that stayed.
    const std::vector<Packed>& compressed() const { return compressed_; }

    // "Betömörítés": true when the window is to be shown modally.
    bool button_findsselecttozipClick();
    // The modal showing ended: the target directory follows the archive. True when the
    // undeletable list is to be shown now, not modally.
    bool closedModal();
    // Any close of the window.
    void windowClosed() { openMark = 0; }

    // The name dialog: where it starts, and the name chosen in it.
    std::string nameDialogFolder() const;
    std::string nameDialogFile() const;
    void nameChosen(const std::string& path);

    void button_compressClick();
    // "Megszakít": the compression stops after the current file.
    void button_abortClick() { compressRunning = false; }
    // "Mégse", "Vissza", Esc and the close box: whatever runs stops after the current file,
    // and the window closes.
    void cancelAndClose();
    void button_zipopenClick();
    void button_zipdirClick();
    void button_activefiledelClick();
    // "Megszakít" of the deletion: it stops after the current file.
    void button1Click() { deleteRunning = false; }

    // An entry of the undeletable list chosen (click, double click, key).
    void listundeletedSelect(int index);
    // A found file's name became protected: entries whose row went away leave the list.
    void pruneUndeleted();
    // The found-files row of an entry of the undeletable list, or -1.
    int foundRowOf(const std::string& path) const;
    // The right button on an entry: the found files' menu opens when its file exists.
    bool undeletedMenuAllowed(int index) const;
    SearchPageModel& search() { return ctx_.search; }

private:
    bool prepareTarget(const std::string& folder);
    void showCloseProgress(double fraction);
    void finishCompression(bool failed, const std::string& path);
    void setTrayProgress();
    void notify() {
        if (changed) changed();
    }
    void closeWindow() {
        if (close) close();
    }

    ZipContext ctx_;
    std::vector<Packed> compressed_;
    // The window was closed while sources were being deleted: it stays closed.
    bool closedWhileDeleting_ = false;
};

}  // namespace kefelo::search
