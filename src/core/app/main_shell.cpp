#include "core/app/main_shell.h"

#include <algorithm>

#include "core/app/busy_guard.h"
#include "core/app/program_texts.h"
#include "core/config/config_load.h"
#include "core/config/config_save.h"

namespace kefelo::app {
namespace {
constexpr const char* kAutodelFileName = "autodel.bat";
constexpr const char* kInfoFileName = "info.txt";
// "update.old" is the copy of the previous program that update.bat keeps until the new one
// has started; the batch may be gone before it could delete it.
constexpr std::array<const char*, 5> kUpdateLeftovers = {"update.bat", "update.txt", "new.zip", "new.exe",
                                                         "update.old"};
}  // namespace

std::string blinkStatusText(int tag) {
    switch (tag) {
        case 0:
            return " A Takarítás folyamatban van... Kérem várjon!";
        case 1:
            return " A keresés folyamatban... Kérem várjon!";
        case 2:
            return " A kijelölt tároló(k) ürítése folyamatban... Kérem várjon!";
        case 3:
            return " A szabványos tárolók keresése folyamatban... Kérem várjon!";
        default:
            return "";
    }
}

MainShell::MainShell(ShellViews views, ShellContext context) : views_(views), ctx_(std::move(context)) {}

void MainShell::Frame::restoreFromTray() {
    if (!shell_.views_.window.mainVisible()) shell_.menuitem_programrestoreClick();
}

void MainShell::setSecondaryWindows(std::vector<SecondaryWindow*> windows, SecondaryWindow* zip) {
    secondaries_ = std::move(windows);
    zip_ = zip;
}

bool MainShell::FormCreate(int screenWidth, int screenHeight) {
    platform::Platform& p = ctx_.platform;
    const std::string& dir = ctx_.programDirectory;
    ntFamily = p.sys.platformId() >= 2;
    if (ctx_.stopWalk) ctx_.stopWalk();
    console.detect(p.fs, dir);

    // A batch left by an earlier run has done its work or is stale; a new run writes it again.
    const std::string autodel = dir + kAutodelFileName;
    if (p.fs.fileExists(autodel)) {
        p.fs.setAttributes(autodel, 0);
        p.fs.deleteFile(autodel);
    }

    ctx_.config = config::ConfigModel{};
    config::LoadContext load{p, dir, screenWidth, screenHeight, [this](const std::string& t) { console.TesztBe(t); }};
    config::loadConfiguration(ctx_.config, load);
    ctx_.masks.setOwnTypes(ctx_.config.ownTypes);
    reportUnreadableLists();

    // The description export is written again whenever it is asked for.
    p.fs.deleteFile(dir + kInfoFileName);

    if (ctx_.commandLine.isAutoStart() && !keepSplash) views_.splash.hideSplash();

    const bool updated = ctx_.commandLine.isUpdate();
    if (updated) {
        console.TesztBe(kUpdateLeftoversLine);
        for (const char* name : kUpdateLeftovers) p.fs.deleteFile(dir + name);
    }
    config::applyZipDirectoryDefault(ctx_.config, p.fs, dir);
    // A window just made has not been shown or activated yet.
    firstShown = false;
    activationMark = false;
    return updated;
}

void MainShell::reportUnreadableLists() {
    // An automatic run must not wait for a click; the files are kept all the same.
    if (ctx_.commandLine.isAutomatic()) return;
    std::vector<config::UnreadableList> fresh;
    for (config::UnreadableList& list : config::unreadableLists(ctx_.config, ctx_.programDirectory)) {
        // The working window loads again after the first one: say it once a session.
        if (std::find(toldUnreadable_.begin(), toldUnreadable_.end(), list.path) != toldUnreadable_.end()) continue;
        toldUnreadable_.push_back(list.path);
        fresh.push_back(std::move(list));
    }
    if (fresh.empty()) return;
    ctx_.platform.ui.message(platform::MessageKind::Error, platform::Buttons::Ok,
                             config::unreadableListsMessage(fresh));
}

bool MainShell::FormShow() {
    views_.status.setStatusText(welcomeStatusText(ctx_.fileVersion));
    if (firstShown) return false;
    firstShown = true;
    if (!keepSplash) views_.splash.hideSplash();
    return true;
}

bool MainShell::anySecondaryVisible() {
    for (SecondaryWindow* w : secondaries_) {
        if (w->visible()) return true;
    }
    return zip_ && zip_->visible();
}

bool MainShell::anySecondaryMarked() {
    for (SecondaryWindow* w : secondaries_) {
        if (w->openMark) return true;
    }
    return zip_ && zip_->openMark;
}

void MainShell::menuitem_programrestoreClick() {
    if (views_.tray.trayMenuIsEmpty()) return;
    if (views_.window.mainVisible()) {
        for (SecondaryWindow* w : secondaries_) {
            w->openMark = 0;
            if (w->visible()) {
                w->openMark = 1;
                w->hide();
            }
        }
        if (zip_) {
            zip_->openMark = zip_->visible() ? 1 : 0;
            zip_->hide();
        }
        views_.window.hideMain();
    } else if (preStart) {
        views_.window.restoreApplication();
        views_.tray.hideTrayIcon();
    } else {
        windowWasVisible = true;
        if (!anySecondaryMarked()) PopUp();
        SearchVege();
        if (zip_ && zip_->openMark) zip_->showOnTopOnce();
    }
    views_.tray.checkRestoreItem(views_.window.mainVisible());
}

void MainShell::pTrayPopup() {
    views_.tray.checkRestoreItem(views_.window.mainVisible());
    if (actionsTag == 0) views_.tray.enableActionsItem(!anySecondaryVisible());
}

void MainShell::balloonClicked() {
    if (views_.tray.trayMenuIsEmpty()) return;
    views_.window.hideMain();
    menuitem_programrestoreClick();
}

void MainShell::balloonHidden() {
    if (views_.tray.trayMenuIsEmpty()) return;
    if (ctx_.showCleaningLists) ctx_.showCleaningLists();
}

void MainShell::balloonTimedOut() {
    if (views_.tray.trayMenuIsEmpty()) return;
    const config::ConfigModel& c = ctx_.config;
    if (c.check_quitprogramwhenautorundone) {
        if (!c.checked_startupwithwindows) Kilps1Click();
    } else if (ctx_.commandLine.isAutoRun()) {
        Kilps1Click();
    }
}

void MainShell::FormClose() {
    views_.window.hideMain();
    if (!ctx_.config.check_gototrayonclose || ctx_.commandLine.isAutoRun()) Kilps1Click();
}

void MainShell::saveConfiguration() {
    views_.window.storeWindowState();
    ctx_.config.ownTypes = ctx_.masks.ownTypes();
    config::SaveContext save{ctx_.platform, ctx_.programDirectory, ctx_.commandLine.first(), ctx_.stopWalk};
    config::KilepesElottMent(ctx_.config, save);
}

void MainShell::Kilps1Click() {
    // The pump below may deliver another quit (the tray menu, a balloon's time-out).
    if (quitRunning_) return;
    quitRunning_ = true;
    // A run halted here writes its log and batch first; the dates saved below then follow
    // the rule of a halted run, and no loop still on the stack deletes anything more.
    if (ctx_.activity != Activity::Idle && ctx_.haltOperation) ctx_.haltOperation();
    views_.splash.hideSplash();
    quitting = true;
    // The welcome screen has nothing worth saving: the configuration was never loaded.
    if (views_.window.pageControlVisible()) saveConfiguration();
    views_.window.repaintAndPump();
    views_.tray.hideTrayIcon();
    views_.window.terminate();
}

void MainShell::endSession() { Kilps1Click(); }

void MainShell::holdActionsItem(bool held) {
    actionsTag = held ? 1 : 0;
    views_.tray.enableActionsItem(!held);
}

void MainShell::endWithoutSaving() {
    if (quitRunning_) return;
    quitRunning_ = true;
    quitting = true;
    if (ctx_.stopWalk) ctx_.stopWalk();
    views_.window.repaintAndPump();
    views_.tray.hideTrayIcon();
    views_.window.terminate();
}

void MainShell::PopUp() {
    if (windowWasVisible) views_.window.popUpMain();
}

void MainShell::SearchVege() {
    if (views_.window.mainVisible()) return;
    views_.tray.setTrayHint(programTitle(ctx_.fileVersion));
    if (windowWasVisible) {
        views_.window.showMain();
        if (zip_ && zip_->openMark) {
            zip_->showInFront();
        } else {
            views_.window.focusMain();
        }
    }
    for (SecondaryWindow* w : secondaries_) {
        if (w->openMark == 1) w->showInFront();
    }
}

bool MainShell::FutValami() { return app::FutValami(ctx_.activity, ctx_.platform.ui); }

void MainShell::endBeep(bool needsWindowWasVisible) {
    if (!ctx_.config.check_beep || quitting) return;
    if (needsWindowWasVisible && !windowWasVisible) return;
    views_.window.beep();
}

void MainShell::startBlinking(int tag) {
    blinking_ = true;
    blinkTag_ = tag;
    blinkOn_ = false;
}

void MainShell::stopBlinking() {
    // A tick may have left the "in progress" text up: once the work is over it would tell
    // a lie, so it goes, but a text the work put there since is kept.
    if (blinking_ && blinkOn_ && !ctx_.commandLine.isAutomatic() &&
        views_.status.statusText() == blinkStatusText(blinkTag_)) {
        views_.status.setStatusText("");
        if (blinkTag_ == 2 || blinkTag_ == 3) views_.tray.setTrayHint(programTitle(ctx_.fileVersion));
    }
    blinking_ = false;
}

void MainShell::VillogTimer() {
    if (!blinking_) return;
    blinkOn_ = !blinkOn_;
    if (ctx_.commandLine.isAutomatic()) {
        views_.splash.setSplashText(blinkOn_ ? kAutomaticBlinkText : "");
        return;
    }
    const std::string text = blinkOn_ ? blinkStatusText(blinkTag_) : std::string();
    views_.status.setStatusText(text);
    if (blinkTag_ == 2 || blinkTag_ == 3) views_.tray.setTrayHint(programTitle(ctx_.fileVersion) + text);
}

bool MainShell::activationChanged(bool active) {
    if (!active) {
        activationMark = false;
        return false;
    }
    if (activationMark) return false;
    activationMark = true;
    return true;
}

}  // namespace kefelo::app
