#include "core/containers/discovery.h"

#include <optional>
#include <vector>

#include "core/app/busy_guard.h"
#include "core/app/locations.h"
#include "core/app/long_path.h"
#include "core/config/config_load.h"
#include "core/containers/container_names.h"
#include "base/text/codec.h"
#include "base/time/datetime.h"

namespace kefelo::containers {

const char* const kDiscoveryBusyWarning =
    "Már elindított egy keresési folyamatot!\r\n"
    "Várja meg annak befejeztét, vagy állítsa le mielőtt a szabványos átmeneti könyvtárak keresését elindítaná!"
    "\r\n\r\nNyomjon az \"OK\" gombra az éppen futó keresési folyamat folytatásához!";
const char* const kDiscoveryBusyRetry =
    "Már elindított egy keresési folyamatot!\r\nÁllítsa le, vagy várja meg annak befejeztét és próbálja újra!";
const char* const kKeepContainersQuestion =
    "Az alapértelmezett Ürítendő Tárolók visszatöltését választotta.\r\n\r\n"
    "Szeretné megtartani a mostani Ürítendő könyvtár hivatkozásokat?";
const char* const kKeepTasksQuestion = "Szeretné megtartani a felvett Feladatok listát?";
const char* const kProfilesQuestion =
    "A Kefeló program érzékelte, hogy NT alapú rendszere van.\r\n\r\n"
    "A program lehetővé teszi az összes felhasználó átmeneti tárolóinak felkutatását.\r\n"
    "(Ha Ön megfelelő felhasználói jogokkal rendelkezik ehhez.)\r\n\r\n"
    "Kívánja, hogy a program megkeresse most ezen tárolókat?";
const char* const kDiscoveryHalted = " A szabványos tárolók keresése megszakítva!";
const char* const kDiscoveryDone = "A szabványos Ürítendő Tárolók keresése befejeződött.";
const char* const kFullSearchDone = "A Szabványos Ürítendő Tárolók keresése befejeződött.";

namespace {

using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

// The blinking text of the full search.
constexpr int kBlinkContainerSearch = 3;

std::string withoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// The whole walk has to reach every profile's folders, whatever the user chose for the
// interactive search; and its matches are never looked at, so none are kept.
class WalkSettings {
public:
    explicit WalkSettings(search::TSearchFolders& walker)
        : walker_(walker), recursive_(walker.DoRecursive), updateList_(walker.UpdateList) {
        walker_.DoRecursive = true;
        walker_.UpdateList = false;
    }
    ~WalkSettings() {
        walker_.DoRecursive = recursive_;
        walker_.UpdateList = updateList_;
    }
    WalkSettings(const WalkSettings&) = delete;
    WalkSettings& operator=(const WalkSettings&) = delete;

private:
    search::TSearchFolders& walker_;
    const bool recursive_;
    const bool updateList_;
};

}  // namespace

bool qualifiesInFullSearch(const std::string& dir, const std::string& shortName) {
    if (isStandardContainerName(dir)) return true;
    if (shortName.empty()) return false;
    return text::lower(lastPathComponent(shortName)) == "tempor~1";
}

std::string profilesRoot(const std::string& cookies) {
    const size_t last = cookies.find_last_of('\\');
    if (last == std::string::npos || last == 0) return {};
    const size_t second = cookies.find_last_of('\\', last - 1);
    if (second == std::string::npos) return {};
    return cookies.substr(0, second);
}

ContainerDiscovery::ContainerDiscovery(DiscoveryContext context) : ctx_(std::move(context)) {}

void ContainerDiscovery::setCaption(const std::string& caption) {
    caption_ = caption;
    ctx_.view.setInitialCaption(caption);
}

void ContainerDiscovery::tesztBe(const std::string& text) {
    if (ctx_.TesztBe) ctx_.TesztBe(text);
}

void ContainerDiscovery::button_initialClick() {
    const bool halting = caption_.front() == 'M';
    if (activity() != app::Activity::Idle && !halting) {
        // An automatic run cannot be asked, and its lists must not change under it.
        if (!ctx_.commandLine.isAutomatic()) {
            ctx_.platform.ui.message(MessageKind::Warning, Buttons::Ok, kDiscoveryBusyWarning);
        }
        return;
    }
    if (halting) {
        ctx_.Search.Stop();
        if (running_) halted_ = true;
        ctx_.status.setStatusCentred(false);
        ctx_.status.stopBlinking();
        ctx_.status.setStatusText(kDiscoveryHalted);
        setCaption(kInitialCaption);
        return;
    }
    // Halted while its questions or lists were busy: that discovery is still winding down.
    if (running_) {
        ctx_.platform.ui.message(MessageKind::Warning, Buttons::Ok, kDiscoveryBusyWarning);
        return;
    }

    keep_ = false;
    platform::UiServices& ui = ctx_.platform.ui;
    if (!ctx_.config.list_temps.rows.front().path.empty()) {
        const Answer answer = ui.message(MessageKind::Confirmation, Buttons::YesNoCancel, kKeepContainersQuestion);
        if (answer == Answer::Cancel) return;
        keep_ = answer == Answer::Yes;
    }
    if (!ctx_.config.list_projects.rows.front().location.empty()) {
        const Answer answer = ui.message(MessageKind::Confirmation, Buttons::YesNoCancel, kKeepTasksQuestion);
        if (answer == Answer::Cancel) {
            keep_ = false;
            return;
        }
        if (answer == Answer::No) {
            // Every task goes without the removal menu's question: the user has just answered.
            ctx_.config.list_projects.clear();
            ctx_.view.listsChanged();
        }
    }
    setCaption(kHaltCaption);
    Discovery();
    ctx_.view.showCleaningLists(true);
}

bool ContainerDiscovery::listed(const std::string& path) const {
    for (const config::ContainerRow& row : ctx_.config.list_temps.rows) {
        if (!row.path.empty() && app::SameFolder(ctx_.platform.fs, row.path, path)) return true;
    }
    return false;
}

std::string ContainerDiscovery::lastWriteDate(const std::string& path) {
    platform::Platform& p = ctx_.platform;
    const std::optional<platform::DirEntry> entry = p.fs.find(path);
    if (!entry) return "0";
    const int64_t local = p.clock.utcToLocal(entry->lastWriteUtc);
    return timeutil::formatDate(timeutil::dateOnly(timeutil::fromFileTime(local)), p.sys.shortDateFormat());
}

bool ContainerDiscovery::appendRow(const std::string& found) {
    // The list file holds Windows-1250 only: a name it cannot hold would come back as "?",
    // another folder. The 8.3 form names the same folder in plain letters where there is one.
    std::string path = found;
    if (!text::fitsCp1250(path)) {
        path = ctx_.platform.fs.shortPath(found);
        if (!text::fitsCp1250(path)) {
            tesztBe("A lista nem tudja tarolni, kimarad: " + found);
            return false;
        }
    }
    auto& rows = ctx_.config.list_temps.rows;
    if (!rows.front().path.empty()) rows.emplace_back();
    rows.back() = {config::Mark::Inactive, lastWriteDate(path), path};
    ctx_.view.setCurrentContainerRow(static_cast<int>(rows.size()) - 1);
    return true;
}

bool ContainerDiscovery::addStandardContainer(const std::string& path) {
    platform::FileSystem& fs = ctx_.platform.fs;
    // Hidden, system or read-only folders are looked at with their attributes cleared and
    // get them back at once.
    constexpr uint32_t kGuarding = platform::attr::kReadOnly | platform::attr::kHidden | platform::attr::kSystem;
    const std::optional<uint32_t> attributes = fs.getAttributes(path);
    const bool cleared =
        attributes && (*attributes & kGuarding) != 0 && fs.setAttributes(path, *attributes & ~kGuarding);
    bool added = false;
    if (fs.directoryExists(path) && !listed(path)) {
        added = appendRow(path);
    }
    if (cleared) fs.setAttributes(path, *attributes);
    return added;
}

void ContainerDiscovery::profileContainers(std::string folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    ctx_.view.showSearchedFolder(folder);
    static constexpr const char* kFolders[] = {
        "\\Cookies",
        "\\Temp",
        "\\Templates",
        "\\Temporary Internet Files",
        "\\Local Settings\\Temp",
        "\\Local Settings\\Templates",
        "\\Local Settings\\Temporary Internet Files",
    };
    for (const char* sub : kFolders) addStandardContainer(folder + sub);
}

void ContainerDiscovery::addUserTemp() {
    platform::FileSystem& fs = ctx_.platform.fs;
    const std::string temp = withoutTrailingBackslash(ctx_.platform.sys.tempPath());
    if (temp.empty()) return;
    const std::string longForm = app::ExpandLongPath(fs, temp);
    if (fs.directoryExists(longForm) && !listed(longForm) && fs.directoryExists(temp)) appendRow(longForm);
}

void ContainerDiscovery::Discovery() {
    running_ = true;
    halted_ = false;
    platform::Platform& p = ctx_.platform;
    const std::string windows = withoutTrailingBackslash(p.sys.windowsDirectory());
    const std::string drive = windows.substr(0, 1);

    if (!keep_) ctx_.config.list_temps.clear();
    keep_ = false;
    addUserTemp();
    for (const char* name : {"Temp", "Templates", "Temporary Internet Files", "Cookies"}) {
        addStandardContainer(drive + ":\\" + name);
        addStandardContainer(windows + "\\" + name);
    }
    ctx_.view.listsChanged();

    if (activity() != app::Activity::Idle) {
        p.ui.message(MessageKind::Warning, Buttons::Ok, kDiscoveryBusyRetry);
        // The button must not stay "Megszakít": pressed, it would halt the other walk.
        setCaption(kInitialCaption);
        running_ = false;
        return;
    }

    config::list_tempsModified(ctx_.config.list_temps, p);
    if (p.sys.platformId() >= 2 && !halted_) {
        if (p.ui.message(MessageKind::Confirmation, Buttons::YesNo, kProfilesQuestion) == Answer::Yes) {
            searchProfiles(windows);
        } else {
            setCaption(kInitialCaption);
        }
    }

    config::list_tempsModified(ctx_.config.list_temps, p);
    setCaption(kInitialCaption);
    // Whatever way the profile search ended (no Cookies folder, another profiles root),
    // the grid comes back.
    ctx_.view.showContainerGrid(true);
    ctx_.view.listsChanged();
    running_ = false;
}

void ContainerDiscovery::searchProfiles(const std::string& windowsDir) {
    platform::Platform& p = ctx_.platform;
    ctx_.view.showContainerGrid(false);
    setCaption(kHaltCaption);

    if (const std::optional<std::string> cookies = p.sys.specialFolder(platform::SpecialFolder::Cookies)) {
        tesztBe("Rendszer Cookies: " + *cookies);
        const std::string root = profilesRoot(*cookies);
        tesztBe("A Documents and Settings konyvtar: " + root);
        const bool usable = !root.empty() && p.fs.directoryExists(root) &&
                            (text::lower(root) + "\\").find("\\documents and settings\\") != std::string::npos;
        if (usable && ctx_.config.check_fullsearch) {
            fullSearch(root + "\\");
        } else if (usable) {
            std::vector<std::string> profiles;
            if (std::unique_ptr<platform::Listing> listing = p.fs.list(root + "\\*.*")) {
                platform::DirEntry entry;
                while (listing->next(entry)) {
                    if (!(entry.attributes & platform::attr::kDirectory) || entry.name == "." || entry.name == "..") {
                        continue;
                    }
                    profiles.push_back(root + "\\" + entry.name);
                    tesztBe("Figyelve (felhasznalonevek):" + profiles.back());
                }
            }
            std::string found;
            for (const std::string& profile : profiles) found += (found.empty() ? "" : "\r\n") + profile;
            tesztBe("Talalt konyvtarak a Documents and Settings-ben:\r\n" + found);
            for (const std::string& profile : profiles) {
                if (halted_) break;
                profileContainers(profile);
            }
            finishProfileListing();
        }
    }

    // The profile store of older systems is always walked in full. A halt ends the whole
    // discovery, not just the walk it came in.
    const std::string store = windowsDir + "\\Profiles";
    if (!halted_ && p.fs.directoryExists(store)) fullSearch(store);
}

void ContainerDiscovery::finishProfileListing() {
    ctx_.view.showCleaningLists(false);
    showGridAgain();
    setCaption(kInitialCaption);
    // After the current row's hint, which the status bar also shows.
    ctx_.status.setStatusText(halted_ ? kDiscoveryHalted : kDiscoveryDone);
}

void ContainerDiscovery::showGridAgain() {
    ctx_.view.showContainerGrid(true);
    ctx_.view.listsChanged();
    ctx_.view.setCurrentContainerRow(0);
}

void ContainerDiscovery::fullSearch(const std::string& scanDir) {
    search::TSearchFolders& walker = ctx_.Search;
    walker.Stop();
    walker.ScanDir = scanDir;
    walker.FileMask = "*.*";
    tesztBe("Kereses a kovetkezore:\r\n" + walker.ScanDir + "\r\n" + walker.FileMask);
    walker.Tag = app::Activity::ContainerSearch;
    ctx_.status.startBlinking(kBlinkContainerSearch);
    ctx_.status.setStatusCentred(true);
    ctx_.frame.repaint();
    setCaption(kHaltCaption);
    const WalkSettings settings(walker);
    walker.Execute();
}

void ContainerDiscovery::SearchFoldersProcess(const std::string& dir) {
    if (activity() != app::Activity::ContainerSearch) return;
    ctx_.view.showSearchedFolder(dir);
    // Only a name that could shorten to "TEMPOR~1" is worth asking the disk for its short form.
    std::string squeezed;
    for (char c : text::lower(lastPathComponent(dir))) {
        if (c != ' ' && c != '.') squeezed += c;
    }
    std::string shortName;
    if (!isStandardContainerName(dir) && squeezed.rfind("tempor", 0) == 0) {
        shortName = ctx_.platform.fs.shortPath(dir);
    }
    if (qualifiesInFullSearch(dir, shortName) && !listed(dir)) {
        addStandardContainer(dir);
        ctx_.view.listsChanged();
    }
}

void ContainerDiscovery::SearchFoldersChanged() {
    if (activity() != app::Activity::ContainerSearch) return;
    ctx_.view.showCleaningLists(false);
    showGridAgain();
    setCaption(kInitialCaption);
    // After a halt the status keeps saying so (the current row's hint came in between).
    ctx_.status.setStatusText(halted_ ? kDiscoveryHalted : kFullSearchDone);
    if (!ctx_.frame.mainWindowVisible()) ctx_.frame.bringMainToFront();
    ctx_.status.setStatusCentred(false);
    ctx_.status.stopBlinking();
    ctx_.Search.Tag = app::Activity::Idle;
}

}  // namespace kefelo::containers
