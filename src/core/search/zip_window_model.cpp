#include "core/search/zip_window_model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "base/text/codec.h"
#include "base/text/format.h"
#include "core/app/busy_guard.h"
#include "core/app/program_texts.h"
#include "core/search/zip_rules.h"

namespace kefelo::search {
namespace {

constexpr const char* kCreateFolderFailed = "Nem sikerült a következő könyvtár létrehozása:\r\n";
constexpr const char* kFolderMissing = "Nem létezik, vagy nem elérhető a következő, megadott könyvtár:\r\n";
constexpr const char* kNotMade = "\r\n\r\nA tömörítvény ezért nem készült el!";
constexpr const char* kWhenZipHead = "Kérem türelmét! A tömörítvény elkészítése folyamatban van...\r\n\r\n";
constexpr const char* kDirNotFound = "A tömörítvény könyvtárát nem találom a következő helyen:\r\n";

// The settings keep the folder in at most 255 characters (not bytes of UTF-8: an accented
// name would be cut short and name a folder that does not exist).
std::string firstCharacters(const std::string& utf8, size_t count) {
    size_t end = 0;
    for (size_t n = 0; n < count && end < utf8.size(); ++n) text::nextCodePoint(utf8, end);
    return utf8.substr(0, end);
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The share of the work as the bar shows it: ten below the share, at least one.
int compressProgress(int64_t n, int64_t count) {
    const double progress = static_cast<double>(n) / static_cast<double>(std::max<int64_t>(count, 1)) * 100.0 - 10.0;
    const long rounded = std::lround(progress);
    return rounded < 10 ? 1 : static_cast<int>(rounded);
}

std::string countCaption(const char* head, int64_t n, int64_t count) {
    return std::string(head) + std::to_string(n) + "/" + std::to_string(count) + " ) : ";
}

// A second file with the same entry name gets " (2)", " (3)", ... before its extension,
// so that neither hides the other when unpacked.
std::string uniqueEntry(const std::string& name, std::set<std::string>& used) {
    std::string candidate = name;
    const size_t slash = name.find_last_of('/');
    const size_t dot = name.find_last_of('.');
    const size_t split = dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : name.size();
    for (int n = 2; !used.insert(upper(candidate)).second; ++n)
        candidate = name.substr(0, split) + " (" + std::to_string(n) + ")" + name.substr(split);
    return candidate;
}

}  // namespace

std::string defaultZipDirectory(const std::string& programDirectory) { return programDirectory + "Zipped"; }

bool Ttomorit::button_findsselecttozipClick() {
    if (!ctx_.search.activeFilesActionable() || app::FutValami(ctx_.activity, ctx_.platform.ui)) return false;
    const timeutil::TDateTime now = ctx_.platform.clock.now();
    listundeleted.clear();
    listundeletedIndex = -1;
    undeletedMark = false;
    std::string directory = ctx_.config.zipDirectory;
    if (directory.empty()) directory = defaultZipDirectory(ctx_.programDirectory);
    edit_compressname = FileAd(defaultArchiveName(directory, now, ctx_.platform.sys.languageAbbreviation()));
    Gauge = 0;
    GaugeD = 0;
    openMark = 1;
    pc = zip_name;
    caption = kZipWindowCaption;
    button_compress = kZipCompressCaption;
    spaceBalance = 0;
    windowHint.clear();
    listHint.clear();
    notify();
    return true;
}

bool Ttomorit::closedModal() {
    openMark = 0;
    const std::string folder = folderOf(edit_compressname);
    if (!folder.empty()) ctx_.config.zipDirectory = firstCharacters(folder, 255);
    if (!undeletedMark || listundeleted.empty()) return false;
    pc = zip_undeleted;
    caption = kUndeletedWindowCaption;
    openMark = 1;
    notify();
    return true;
}

std::string Ttomorit::nameDialogFolder() const { return folderOf(edit_compressname); }
std::string Ttomorit::nameDialogFile() const { return fileNameOf(edit_compressname); }

void Ttomorit::nameChosen(const std::string& path) {
    if (path.empty()) return;
    edit_compressname = FileAd(path);
    notify();
}

void Ttomorit::cancelAndClose() {
    compressRunning = false;
    if (deleteRunning) {
        deleteRunning = false;
        closedWhileDeleting_ = true;
    }
    closeWindow();
}

bool Ttomorit::prepareTarget(const std::string& folder) {
    auto& fs = ctx_.platform.fs;
    auto& ui = ctx_.platform.ui;
    if (upper(folder) == upper(defaultZipDirectory(ctx_.programDirectory)) && !fs.directoryExists(folder) &&
        !fs.createDirectory(folder)) {
        ui.message(platform::MessageKind::Error, platform::Buttons::Ok, kCreateFolderFailed + folder + kNotMade);
        return false;
    }
    if (!fs.directoryExists(folder)) {
        ui.message(platform::MessageKind::Error, platform::Buttons::Ok, kFolderMissing + folder + kNotMade);
        return false;
    }
    if (fs.fileExists(edit_compressname)) {
        if (ui.message(platform::MessageKind::Confirmation, platform::Buttons::YesNo, kZipOverwriteQuestion) !=
            platform::Answer::Yes)
            return false;
        // The old archive stays until the new one is complete and takes its place; a
        // read-only one could not be replaced then, so that is settled now.
        const auto attributes = fs.getAttributes(edit_compressname);
        const bool replaceable = attributes && !(*attributes & platform::attr::kDirectory) &&
                                 (!(*attributes & platform::attr::kReadOnly) ||
                                  fs.setAttributes(edit_compressname, *attributes & ~platform::attr::kReadOnly));
        if (!replaceable) {
            ui.message(platform::MessageKind::Error, platform::Buttons::Ok, kZipOldNotRemovable);
            return false;
        }
    }
    return true;
}

void Ttomorit::setTrayProgress() {
    ctx_.frame.setTrayHint(app::programTitle(ctx_.fileVersion) + " - A tömörítés folyamatban van! (" +
                           std::to_string(Gauge) + "%)");
}

void Ttomorit::button_compressClick() {
    // Enter reaches the default button from any page; it packs only from the first.
    if (compressRunning || pc != zip_name) return;
    auto& ui = ctx_.platform.ui;
    if (app::FutValami(ctx_.activity, ui)) return;
    // Held from the first question on: a hand-over that comes while it is asked is refused.
    const app::BusyScope busy(ctx_.activity, app::Activity::Zip);
    const std::string path = edit_compressname;
    if (!prepareTarget(folderOf(path)) || !busy.owns()) return;

    // The work is the active files as listed now; the queue runs between files, and what
    // it runs cannot take a file away from the run or add one to it.
    struct Work {
        std::string path;
        std::string name;
    };
    std::vector<Work> work;
    const FoundFiles& found = ctx_.search.found;
    for (size_t row = 0; row < found.size(); ++row)
        if (found.row(row).mark == config::Mark::Active) work.push_back({found.fullPath(row), found.row(row).name});
    const int64_t activeCount = static_cast<int64_t>(work.size());

    compressRunning = true;
    compressed_.clear();
    memo_whenzip = std::string(kWhenZipHead) + "Aktuális folyamat: Tömörítvény elkészítése...";
    box_undercompress = " Tömörítés alatt: ";
    labelname.clear();
    pc = zip_compressing;
    notify();

    auto writer = ctx_.archives.create(path);
    bool failed = !writer;
    std::set<std::string> usedEntries;
    int64_t n = 0;
    for (const Work& file : work) {
        if (!writer || !compressRunning || !busy.owns()) break;
        ++n;
        const int progress = compressProgress(n, activeCount);
        labelname = file.name;
        box_undercompress = countCaption(" Tömörítés alatt ( ", n, activeCount);
        const auto attributes = ctx_.platform.fs.getAttributes(file.path);
        const uint32_t notOrdinary = platform::attr::kHidden | platform::attr::kSystem | platform::attr::kDirectory;
        const auto entry = zipEntryName(file.path);
        if (attributes && !(*attributes & notOrdinary) && entry) {
            const std::string name = uniqueEntry(*entry, usedEntries);
            switch (writer->addFile(file.path, name)) {
                case platform::ZipAddResult::Stored:
                    compressed_.push_back({file.path, name});
                    break;
                case platform::ZipAddResult::Failed:
                    failed = true;
                    break;
                case platform::ZipAddResult::Skipped:
                    break;
            }
        }
        Gauge = progress;
        setTrayProgress();
        notify();
        ui.pumpMessages();
    }
    // A halt took the code (the program is quitting): the run is cut like an abort.
    if (!busy.owns()) compressRunning = false;

    labelname = kZipClosingLabel;
    box_undercompress = compressRunning ? " Állományok beolvasva! " : " Állományok beolvasása megszakítva! ";
    memo_whenzip = std::string(kWhenZipHead) + "Aktuális folyamat: Tömörítvény lezárása és elmentése...";
    notify();

    if (!ctx_.frame.mainWindowVisible()) {
        if (ctx_.ntFamily)
            ctx_.frame.showTrayBalloon(app::programTitle(ctx_.fileVersion) + " program - A tömörítvény elkészült!",
                                       kZipBalloonText);
        else
            ctx_.frame.restoreFromTray();
    }
    ctx_.frame.setTrayHint(app::programTitle(ctx_.fileVersion));

    if (writer) {
        const std::string date = timeutil::formatDate(ctx_.platform.clock.now(), ctx_.platform.sys.shortDateFormat());
        // Stopped while adding: what was added is written in full, not cut again; a halt
        // cuts the writing too.
        const bool addingStopped = !compressRunning;
        const platform::ZipCloseResult result = writer->close(
            [this, addingStopped, &busy](double fraction) {
                showCloseProgress(fraction);
                return busy.owns() && (addingStopped || compressRunning);
            },
            [&date](size_t entries) { return archiveComment(app::kWebAddress, date, entries); });
        if (!result.ok) failed = true;
        if (result.cancelled || !busy.owns()) compressRunning = false;
        if (result.ok && result.kept < compressed_.size()) {
            compressed_.resize(result.kept);
            compressRunning = false;
        }
    }
    finishCompression(failed, path);
}

void Ttomorit::showCloseProgress(double fraction) {
    // The library writes the entries in order, each taking an equal share of the progress.
    const int64_t count = static_cast<int64_t>(compressed_.size());
    if (count > 0) {
        const int64_t index =
            std::clamp<int64_t>(static_cast<int64_t>(fraction * static_cast<double>(count)), 0, count - 1);
        labelname = fileNameOf(compressed_[static_cast<size_t>(index)].path);
        box_undercompress = countCaption(" Tömörítés alatt ( ", index + 1, count);
        Gauge = compressProgress(index + 1, count);
        setTrayProgress();
    }
    notify();
    ctx_.platform.ui.pumpMessages();
}

void Ttomorit::finishCompression(bool failed, const std::string& path) {
    Gauge = 100;
    button_compress = kZipDoneCompressCaption;
    auto& fs = ctx_.platform.fs;
    const auto archive = failed ? std::nullopt : fs.find(path);
    if (archive) {
        const std::string size = text::Ezredel(std::to_string(archive->size));
        spaceBalance = -static_cast<int64_t>(archive->size);
        if (compressRunning)
            memo_zipinfowhenend = "A tömörítvény elkészült.\r\nMérete: " + size + " bájt.\r\nNeve: " + fileNameOf(path);
        else
            memo_zipinfowhenend =
                "A tömörítési folyamat félbe lett szakítva, így a keletkezett tömörítvény nem tartalmazza az összes "
                "aktív állományt!\r\nA keletkezett félkész tömörítvény mérete: " +
                size + " bájt.";
        memo_zipinfowhenend += "\r\nVálasszon műveletet a gombok segítségével:";
        button_zipopenHint = path;
        button_zipdirHint = folderOf(path);
        pc = zip_result;
        notify();
    } else {
        notify();
        if (ctx_.platform.ui.message(platform::MessageKind::Error, platform::Buttons::YesNo, kZipFailedQuestion) ==
                platform::Answer::Yes &&
            fs.directoryExists(folderOf(path)))
            ctx_.shell.executeFile("explorer.exe", folderOf(path), "", true);
        compressed_.clear();
        closeWindow();
    }
    compressRunning = false;
}

void Ttomorit::button_zipopenClick() {
    auto& fs = ctx_.platform.fs;
    if (fs.fileExists(edit_compressname))
        ctx_.shell.executeFile(fs.shortPath(edit_compressname), "", "", true);
    else
        ctx_.platform.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, kZipArchiveGone);
}

void Ttomorit::button_zipdirClick() {
    const std::string folder = folderOf(edit_compressname);
    if (ctx_.platform.fs.directoryExists(folder))
        ctx_.shell.executeFile("explorer.exe", folder, "", true);
    else
        ctx_.platform.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, kDirNotFound + folder);
}

int Ttomorit::foundRowOf(const std::string& path) const {
    const FoundFiles& found = ctx_.search.found;
    for (size_t row = 0; row < found.size(); ++row)
        if (found.fullPath(row) == path) return static_cast<int>(row);
    return -1;
}

void Ttomorit::button_activefiledelClick() {
    if (deleteRunning || compressRunning || pc != zip_result) return;
    auto& fs = ctx_.platform.fs;
    auto& ui = ctx_.platform.ui;
    if (app::FutValami(ctx_.activity, ui)) return;
    const app::BusyScope busy(ctx_.activity, app::Activity::Zip);
    GaugeD = 0;
    pc = zip_deleting;
    const int64_t total = static_cast<int64_t>(compressed_.size());
    int64_t done = 1;
    deleteRunning = true;
    closedWhileDeleting_ = false;
    notify();
    const auto goOn = [this, &busy] { return deleteRunning && busy.owns(); };

    // A source goes only when its entry reads back whole and matches the file now on disk.
    // Reading a large archive takes long: the queue runs after every entry, and a stop
    // there leaves every source where it is.
    std::map<std::string, platform::ZipEntryCheck> entries;
    const auto checks = ctx_.archives.readBack(edit_compressname, [&ui, &goOn] {
        ui.pumpMessages();
        return goOn();
    });
    if (checks)
        for (const auto& check : *checks) entries[check.name] = check;

    std::set<std::string> deleted;
    size_t i = 0;
    while (i < compressed_.size() && goOn()) {
        const Packed& packed = compressed_[i];
        labelnamed = fileNameOf(packed.path);
        box_underdelete = countCaption(" Törlés alatt ( ", done, total);
        notify();

        bool removed = false;
        const auto entry = entries.find(packed.entry);
        const auto digest = entry == entries.end() ? std::nullopt : ctx_.archives.digest(packed.path);
        const bool verified = entry != entries.end() && entry->second.intact && digest &&
                              digest->size == entry->second.size && digest->crc == entry->second.crc;
        if (verified) {
            const auto attributes = fs.getAttributes(packed.path);
            fs.setAttributes(packed.path, 0);
            if (fs.deleteFile(packed.path)) {
                removed = true;
                ++done;
                spaceBalance += static_cast<int64_t>(digest->size);
                deleted.insert(packed.path);
                compressed_.erase(compressed_.begin() + static_cast<std::ptrdiff_t>(i));
            } else if (attributes) {
                fs.setAttributes(packed.path, *attributes);
            }
        }
        if (!removed) ++i;
        GaugeD = static_cast<int>(
            std::lround(static_cast<double>(done) / static_cast<double>(std::max<int64_t>(total, 1)) * 100.0));
        notify();
        ui.pumpMessages();
    }
    deleteRunning = false;

    FoundFiles& found = ctx_.search.found;
    if (!deleted.empty()) {
        std::vector<char> remove(found.size(), 0);
        for (size_t row = 0; row < found.size(); ++row) remove[row] = deleted.count(found.fullPath(row)) ? 1 : 0;
        found.removeRows(remove);
        ctx_.searchView.foundFilesChanged();
    }

    undeletedMark = false;
    const std::string result = spaceBalanceText(spaceBalance);
    if (compressed_.empty()) {
        pc = zip_alldeleted;
        labelfree = result;
        notify();
        return;
    }
    labelfree2 = result;
    listundeleted.clear();
    for (const Packed& packed : compressed_) listundeleted.push_back(packed.path);
    listundeletedIndex = 0;
    if (found.holdsResults()) {
        found.currentRow = 0;
        ctx_.searchView.foundFilesChanged();
    }
    // Closed by the user meanwhile: the window already went and does not come back.
    if (closedWhileDeleting_) return;
    undeletedMark = true;
    notify();
    closeWindow();
}

void Ttomorit::listundeletedSelect(int index) {
    if (index < 0 || static_cast<size_t>(index) >= listundeleted.size()) return;
    listundeletedIndex = index;
    const std::string path = listundeleted[static_cast<size_t>(index)];
    if (!ctx_.platform.fs.fileExists(path)) return;
    windowHint = path;
    listHint = fileNameOf(path);
    const int row = foundRowOf(path);
    if (row >= 0) {
        ctx_.search.found.currentRow = row;
        ctx_.searchView.foundFilesChanged();
        notify();
        return;
    }
    const std::string name = fileNameOf(path);
    std::erase_if(listundeleted, [&name](const std::string& entry) { return fileNameOf(entry) == name; });
    listundeletedIndex = listundeleted.empty() ? -1 : 0;
    notify();
    if (listundeleted.empty()) closeWindow();
}

bool Ttomorit::undeletedMenuAllowed(int index) const {
    return index >= 0 && static_cast<size_t>(index) < listundeleted.size() &&
           ctx_.platform.fs.fileExists(listundeleted[static_cast<size_t>(index)]);
}

void Ttomorit::pruneUndeleted() {
    if (listundeleted.empty()) return;
    listundeletedSelect(listundeletedIndex < 0 ? 0 : listundeletedIndex);
}

}  // namespace kefelo::search
