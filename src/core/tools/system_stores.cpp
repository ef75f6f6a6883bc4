#include "core/tools/system_stores.h"

#include "core/app/busy_guard.h"
#include "core/cleaning/container_emptying.h"
#include "core/cleaning/protected_locations.h"
#include "core/search/message_pump.h"

namespace kefelo::tools {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::MessageKind;
using platform::SpecialFolder;

constexpr std::string_view kContextMenuLine = "\r\n\r\nA helyi menü megjelenítéséhez kattintson JOBB egérgombbal!";
// The blinker's tag for the stores.
constexpr int kBlinkStores = 2;
constexpr uint64_t kPumpIntervalMs = 15;
const std::string kNoUninstallPrefix = std::string(kNoUninstallDirectories) + "\r\n\r\n\r\n";

const std::array<std::string_view, kSystemStoreCount> kNotFoundWhileEmptying = {
    "",
    "A Windows legutóbb használt dokumentum-hivatkozásait tároló rendszermappája nem található!",
    "A Windows előzményeket tároló rendszermappája nem található!",
    "A Windows sablonokat tároló rendszermappája nem található!",
    "",
    "",
};

// Emptying a store writes no log and touches no cleaning page: nothing of a run is shown.
class SilentCleaningView : public cleaning::CleaningPageView {
public:
    void showCleaningPage() override {}
    void setCleaningPage(int) override {}
    void setReportCaption(const std::string&) override {}
    void showReportHalt(bool) override {}
    void showReportButtons(bool) override {}
    void hideLog() override {}
    void showLog(const cleaning::CleaningLog&) override {}
    void setLastPathText(const std::string&) override {}
    void focusReportButtons() override {}
    void setAutodelButtonEnabled(bool) override {}
    void setCurrentTaskRow(int) override {}
    void listsChanged() override {}
    void setContainerAddEnabled(bool) override {}
};

SpecialFolder shellFolderOf(int store) {
    switch (store) {
        case store_recent:
            return SpecialFolder::Recent;
        case store_history:
            return SpecialFolder::History;
        default:
            return SpecialFolder::Templates;
    }
}

std::string withoutTrailingBackslash(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

bool isUninstallDirectoryName(std::string_view name) {
    return !name.empty() && name.front() == '$' && name.back() == '$';
}

SystemStores::SystemStores(const SystemStoresContext& context)
    : ctx_(context), windowsDirectory_(withoutTrailingBackslash(context.platform.sys.windowsDirectory())) {
    for (std::string_view caption : kSystemStoreCaptions) list.items.push_back({std::string(caption), false});
    list.selected = store_recyclebin;
}

void SystemStores::changed() {
    if (view_) view_->storesChanged();
}

bool SystemStores::refusedWhileBusy() { return app::FutValami(ctx_.Search.Tag, ctx_.platform.ui); }

void SystemStores::highlight(int store) {
    list.selected = store;
    changed();
}

void SystemStores::select(int store) {
    if (store < 0 || store >= kSystemStoreCount || busy()) return;
    highlight(store);
}

void SystemStores::toggle(int store) {
    if (store < 0 || store >= kSystemStoreCount || refusedWhileBusy()) return;
    list.items[static_cast<size_t>(store)].ticked = !list.items[static_cast<size_t>(store)].ticked;
    changed();
}

std::string SystemStores::description() const {
    switch (list.selected) {
        case store_recyclebin:
            return std::string(
                       "Alaphelyzetben a törölt állományok a Lomtárba helyeződnek át, tehát ténylegesen nem "
                       "törölődnek.\r\nA Lomtár tulajdonképpen nem más, mint egy speciális könyvtár.\r\n\r\nHa "
                       "kiüríti a Lomtárat, akkor az ide áthelyezett \"törölt\" állományok végleg eltávolításra "
                       "kerülnek.") +
                   std::string(kContextMenuLine);
        case store_recent:
            return std::string(
                       "A legutóbb megnyitott dokumentumok, képek, zenék, vidók és egyéb állományok hivatkozásai "
                       "bejegyzésre kerülnek a Start menü>Dokumentumok menüpontjába, ezáltal ezeket gyorsabban újra "
                       "elérhetjük.\r\n\r\nHa nem használja ezt a funkciót, akkor időről-időre törölje ezt a "
                       "tárolót.") +
                   std::string(kContextMenuLine);
        case store_history:
            return std::string(
                       "Az Internetes előzményeket tartalamzó tároló. Tartalmazza, hogy melyik nap milyen "
                       "kiszolgálón jártunk.") +
                   std::string(kContextMenuLine);
        case store_templates:
            return std::string(
                       "Főleg a Microsoft Office programcsomagok által használt hely, a különféle sablon-állományok "
                       "eltárolására. Ezek egy egy \"beállítási-mintát\" alkotnak.") +
                   std::string(kContextMenuLine);
        case store_updateuninstall:
            // Once looked for and none found, the box keeps saying so.
            return std::string(uninstallListBuilt_ && uninstallDirectories_.empty() ? kNoUninstallPrefix : "") +
                   "A Windows rendszer frissítésekor a Windows rendszerkönyvtárában ( " + windowsDirectory_ +
                   " ) számos $-jellel körbezárt, rejtett könyvtár keletkezhet, melyekben a frissítések "
                   "eltávolítására szolgáló állományok találhatóak.\r\nHa azonban nem kívánja a telepített "
                   "frissítéseket eltávolítani, törölheti ezen könyvtárakat.\r\n\r\nA törölhető könyvtárak "
                   "listájának megtekintéséhez kattintson JOBB egérgombbal!";
        case store_drivercache:
            return std::string(
                       "A Windows XP rendszerkönyvtárában megtalálhatók a leggyakoribb hardware-eszközök "
                       "illesztőprogramjai, így ha új eszközt csatlakoztatunk a számítógéphez, van esély, hogy a "
                       "Windows rendszerünk magától felismeri azt.\r\nAzonban, ha nem tervezünk hardware-cserét, vagy "
                       "az XP Telepítő CD-nk a közelben található, felesleges ezen meghajtóprogramokat a lemezen is "
                       "tárolni.") +
                   std::string(kContextMenuLine);
        default:
            return {};
    }
}

void SystemStores::rebuildUninstallList() {
    // The queue runs between entries: the code keeps a second click from starting another
    // look meanwhile, and the list is only swapped in whole.
    const app::BusyScope looking(ctx_.Search.Tag, app::Activity::SystemStores);
    if (!looking.owns()) return;
    std::vector<std::string> found;
    platform::FileSystem& fs = ctx_.platform.fs;
    std::unique_ptr<platform::Listing> listing =
        windowsDirectory_.empty() ? nullptr : fs.list(windowsDirectory_ + "\\*.*");
    platform::DirEntry entry;
    while (looking.owns() && listing && listing->next(entry)) {
        const std::string path = windowsDirectory_ + "\\" + entry.name;
        if (isUninstallDirectoryName(entry.name) && fs.directoryExists(path)) found.push_back(path);
        ctx_.platform.ui.pumpMessages();
    }
    uninstallDirectories_ = std::move(found);
    uninstallListBuilt_ = true;
}

std::string SystemStores::folderOf(int store) {
    switch (store) {
        case store_recent:
        case store_history:
        case store_templates:
            return withoutTrailingBackslash(ctx_.platform.sys.specialFolder(shellFolderOf(store)).value_or(""));
        case store_updateuninstall:
            return windowsDirectory_;
        case store_drivercache:
            return windowsDirectory_.empty() ? std::string() : windowsDirectory_ + "\\Driver Cache";
        default:
            return {};
    }
}

std::string SystemStores::locate(int store) {
    platform::FileSystem& fs = ctx_.platform.fs;
    if (view_) view_->setResultLabel("", false);
    if (store == store_recyclebin) {
        ctx_.status.setStatusText(std::string(kRecycleBinStatus));
        return {};
    }
    if (store == store_updateuninstall) {
        rebuildUninstallList();
        if (uninstallDirectories_.empty() && view_) view_->prefixDescription(std::string(kNoUninstallPrefix));
    }
    std::string path = folderOf(store);
    if (path.empty() || !fs.directoryExists(path)) {
        ctx_.status.setStatusText("");
        ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, std::string(kStoreNotFound));
        if (store >= 0 && store < kSystemStoreCount) list.items[static_cast<size_t>(store)].ticked = false;
        changed();
        return {};
    }
    ctx_.status.setStatusText(path);
    return path;
}

std::string SystemStores::locateSelected() {
    if (!list.hasSelection() || refusedWhileBusy()) return {};
    return locate(list.selected);
}

void SystemStores::openRecycleBin(bool properties) { ctx_.shell.openRecycleBin(properties); }

StorePopup SystemStores::popupRequested(bool rightClick) {
    if (refusedWhileBusy()) return StorePopup::None;
    if (!rightClick || list.selected != store_updateuninstall) return StorePopup::StoreMenu;
    return uninstallWindowReady() ? StorePopup::UninstallWindow : StorePopup::None;
}

void SystemStores::openSelected(bool properties) {
    if (refusedWhileBusy()) return;
    if (list.selected == store_recyclebin) {
        openRecycleBin(properties);
        return;
    }
    const std::string path = locateSelected();
    if (path.empty()) return;
    if (properties) {
        ctx_.shell.propertiesDialog(path);
    } else {
        ctx_.shell.executeFile("explorer.exe", path, "", true);
    }
}

bool SystemStores::uninstallWindowReady() {
    return ctx_.platform.fs.directoryExists(windowsDirectory_) && !uninstallDirectories_.empty();
}

std::vector<std::string> SystemStores::uninstallDirectoryNames() const {
    std::vector<std::string> names;
    for (const std::string& path : uninstallDirectories_) names.push_back(path.substr(path.rfind('\\') + 1));
    return names;
}

void SystemStores::showUninstallDirectory(const std::string& name) {
    ctx_.status.setStatusText(name.empty() ? std::string() : windowsDirectory_ + "\\" + name);
}

void SystemStores::openUninstallDirectory(const std::string& name, bool properties) {
    const std::string path = windowsDirectory_ + "\\" + name;
    if (name.empty() || !ctx_.platform.fs.directoryExists(path)) {
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, std::string(kDirectoryNotFound));
        return;
    }
    if (properties) {
        ctx_.shell.propertiesDialog(path);
    } else {
        ctx_.shell.executeFile("explorer.exe", path, "", true);
    }
}

bool SystemStores::allowed(const std::string& path) {
    const cleaning::ProtectedLocations guarded(ctx_.platform.fs, ctx_.platform.sys, ctx_.programDirectory);
    // The stores inside the Windows directory are this program's own fixed choice.
    if (guarded.allows(path, {false, true})) return true;
    ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, std::string(kStoreRefused) + path);
    return false;
}

// Deleting from system folders cannot be undone, so the ticked stores are named first, each
// with the folder it resolves to now: a History or Templates folder redirected elsewhere
// shows before it is emptied.
bool SystemStores::confirmEmptying(const Work& work) {
    constexpr size_t kNamedDirectories = 5;
    std::string text(kEmptyingQuestion);
    for (size_t store = 0; store < work.stores.size(); ++store) {
        if (!work.stores[store]) continue;
        text += "\r\n- " + list.items[store].text;
        if (store == store_updateuninstall) {
            const std::vector<std::string>& directories = work.uninstallDirectories;
            for (size_t i = 0; i < directories.size() && i < kNamedDirectories; ++i)
                text += "\r\n    " + directories[i];
            if (directories.size() > kNamedDirectories)
                text +=
                    "\r\n    " + std::string(kMoreDirectories) + std::to_string(directories.size() - kNamedDirectories);
        } else if (!work.folders[store].empty()) {
            text += "\r\n    " + work.folders[store];
        }
    }
    return ctx_.platform.ui.message(MessageKind::Confirmation, Buttons::YesNo, text) == Answer::Yes;
}

SystemStores::Work SystemStores::takeWork(const std::array<bool, kSystemStoreCount>& named) {
    Work work;
    work.stores = named;
    for (int store = 0; store < kSystemStoreCount; ++store) {
        if (named[static_cast<size_t>(store)]) work.folders[static_cast<size_t>(store)] = folderOf(store);
    }
    if (named[store_updateuninstall]) work.uninstallDirectories = uninstallDirectories_;
    return work;
}

void SystemStores::emptyRecycleBin() {
    switch (ctx_.shell.emptyRecycleBin()) {
        case platform::RecycleBinEmptying::Emptied:
            break;
        case platform::RecycleBinEmptying::LibraryNotLoaded:
            ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, std::string(kShellLibraryFailed));
            break;
        case platform::RecycleBinEmptying::Unavailable:
            ctx_.status.stopBlinking();
            ctx_.status.setStatusCentred(false);
            ctx_.status.setStatusText(std::string(kRecycleBinManualStatus));
            if (ctx_.platform.ui.message(MessageKind::Information, Buttons::YesNo,
                                         std::string(kRecycleBinManualQuestion)) == Answer::Yes)
                openRecycleBin(false);
            break;
    }
}

bool SystemStores::emptyFolderStore(const std::string& folder) {
    // An empty result would mean the current drive's root: nothing that does not exist,
    // and nothing the cleaning run would refuse, is emptied.
    if (folder.empty() || !ctx_.platform.fs.directoryExists(folder)) return false;
    if (!allowed(folder)) return true;  // reported already
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, kPumpIntervalMs);
    SilentCleaningView silent;
    const cleaning::EmptyingEnvironment env{ctx_.platform.fs, pump,        ctx_.Search,     ctx_.frame,
                                            silent,           ctx_.config, ctx_.commandLine};
    cleaning::ContainerEmptying emptying(env, ctx_.record, cleaning::EmptyingMode::SystemStores);
    ctx_.record.currentContainerRoot = folder;
    emptying.emptyContainer(folder + "\\", "*.*", true);
    ctx_.record.currentContainerRoot.clear();
    return true;
}

void SystemStores::emptyUninstallDirectories(const std::vector<std::string>& directories) {
    platform::FileSystem& fs = ctx_.platform.fs;
    search::MessagePump pump(ctx_.platform.clock, ctx_.platform.ui, kPumpIntervalMs);
    SilentCleaningView silent;
    const cleaning::EmptyingEnvironment env{fs, pump, ctx_.Search, ctx_.frame, silent, ctx_.config, ctx_.commandLine};
    cleaning::ContainerEmptying emptying(env, ctx_.record, cleaning::EmptyingMode::SystemStores);
    // The directories themselves go when they are left empty and the option says so.
    ctx_.record.currentContainerRoot = windowsDirectory_;
    bool failed = false;
    for (const std::string& directory : directories) {
        if (ctx_.Search.Tag != app::Activity::SystemStores) break;
        const std::string name = directory.substr(directory.rfind('\\') + 1);
        if (!isUninstallDirectoryName(name) || !allowed(directory)) continue;
        const std::optional<uint32_t> attributes = fs.getAttributes(directory);
        if (!attributes || !fs.setAttributes(directory, 0) || !fs.list(directory + "\\*.*")) {
            if (attributes) fs.setAttributes(directory, *attributes);
            failed = true;
            continue;
        }
        emptying.emptySubFolder(directory);
        // One that stays (emptied, or kept by a protected name) keeps its look.
        if (fs.getAttributes(directory)) fs.setAttributes(directory, *attributes);
    }
    ctx_.record.currentContainerRoot.clear();
    if (failed) ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, std::string(kUninstallFailed));
}

void SystemStores::emptyActive() {
    platform::UiServices& ui = ctx_.platform.ui;
    if (busy()) {
        ui.message(MessageKind::Warning, Buttons::Ok, std::string(kBusy));
        return;
    }
    std::array<bool, kSystemStoreCount> named{};
    bool anyTicked = false;
    for (size_t store = 0; store < named.size(); ++store) {
        named[store] = list.items[store].ticked;
        anyTicked = anyTicked || named[store];
    }
    if (!anyTicked) {
        ui.message(MessageKind::Information, Buttons::Ok, std::string(kNothingTicked));
        return;
    }
    // The question shows what this copy holds, and the loops below, which pump the queue,
    // work from it, never from the list.
    const Work work = takeWork(named);
    if (!confirmEmptying(work)) return;
    const app::BusyScope emptying(ctx_.Search.Tag, app::Activity::SystemStores);
    if (!emptying.owns()) {
        // Something started while the question was up.
        ui.message(MessageKind::Warning, Buttons::Ok, std::string(kBusy));
        return;
    }

    ctx_.status.startBlinking(kBlinkStores);
    ctx_.status.setStatusCentred(true);
    if (view_) view_->setResultLabel(std::string(kInProgress), true);

    for (int store = 0; store < kSystemStoreCount; ++store) {
        // A quit may have stopped the run meanwhile.
        if (!emptying.owns()) break;
        highlight(store);
        if (!work.stores[static_cast<size_t>(store)]) continue;
        const std::string& folder = work.folders[static_cast<size_t>(store)];
        switch (store) {
            case store_recyclebin:
                emptyRecycleBin();
                break;
            case store_recent:
            case store_history:
            case store_templates:
                if (!emptyFolderStore(folder))
                    ui.message(MessageKind::Error, Buttons::Ok, std::string(kNotFoundWhileEmptying[store]));
                break;
            case store_updateuninstall:
                if (!work.uninstallDirectories.empty()) emptyUninstallDirectories(work.uninstallDirectories);
                break;
            case store_drivercache:
                if (!emptyFolderStore(folder))
                    ui.message(MessageKind::Error, Buttons::Ok, std::string(kDriverCacheFailed));
                break;
            default:
                break;
        }
    }

    if (view_) view_->setResultLabel(std::string(kEmptyingDone), true);
    ctx_.status.setStatusCentred(false);
    ctx_.status.stopBlinking();
    for (config::CheckItem& item : list.items) item.ticked = false;
    highlight(store_recyclebin);
}

bool SystemStores::resultLabelClicked() {
    if (refusedWhileBusy()) return false;
    if (view_) view_->setResultLabel("", false);
    return true;
}

}  // namespace kefelo::tools
