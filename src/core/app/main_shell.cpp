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
constexpr std::array<const char*, 4> kUpdateLeftovers = {"update.bat", "update.txt", "new.zip", "new.exe"};
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

MainShell::MainShell(ShellView& view, ShellContext context) : view_(view), ctx_(std::move(context)) {}

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

    if (ctx_.commandLine.isAutoStart() && !keepSplash) view_.hideSplash();

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
    view_.setStatusText(welcomeStatusText(ctx_.fileVersion));
    if (firstShown) return false;
    firstShown = true;
    if (!keepSplash) view_.hideSplash();
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
    if (view_.trayMenuIsEmpty()) return;
    if (view_.mainVisible()) {
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
        view_.hideMain();
    } else if (preStart) {
        view_.restoreApplication();
        view_.hideTrayIcon();
    } else {
        windowWasVisible = true;
        if (!anySecondaryMarked()) PopUp();
        SearchVege();
        if (zip_ && zip_->openMark) zip_->showOnTopOnce();
    }
    view_.checkRestoreItem(view_.mainVisible());
}

void MainShell::pTrayPopup() {
    view_.checkRestoreItem(view_.mainVisible());
    if (actionsTag == 0) view_.enableActionsItem(!anySecondaryVisible());
}

void MainShell::balloonClicked() {
    if (view_.trayMenuIsEmpty()) return;
    view_.hideMain();
    menuitem_programrestoreClick();
}

void MainShell::balloonHidden() {
    if (view_.trayMenuIsEmpty()) return;
    view_.setCleaningInnerPage(0);
}

void MainShell::balloonTimedOut() {
    if (view_.trayMenuIsEmpty()) return;
    const config::ConfigModel& c = ctx_.config;
    if (c.check_quitprogramwhenautorundone) {
        if (!c.checked_startupwithwindows) Kilps1Click();
    } else if (ctx_.commandLine.isAutoRun()) {
        Kilps1Click();
    }
}

void MainShell::FormClose() {
    view_.hideMain();
    if (!ctx_.config.check_gototrayonclose || ctx_.commandLine.isAutoRun()) Kilps1Click();
}

void MainShell::saveConfiguration() {
    view_.storeWindowState();
    ctx_.config.ownTypes = ctx_.masks.ownTypes();
    config::SaveContext save{ctx_.platform, ctx_.programDirectory, ctx_.commandLine.first(), ctx_.stopWalk};
    config::KilepesElottMent(ctx_.config, save);
}

void MainShell::Kilps1Click() {
    // The pump below may deliver another quit (the tray menu, a balloon's time-out).
    if (quitRunning_) return;
    quitRunning_ = true;
    view_.hideSplash();
    quitting = true;
    // The welcome screen has nothing worth saving: the configuration was never loaded.
    if (view_.pageControlVisible()) saveConfiguration();
    view_.repaintAndPump();
    view_.hideTrayIcon();
    view_.terminate();
}

void MainShell::PopUp() {
    if (windowWasVisible) view_.popUpMain();
}

void MainShell::SearchVege() {
    if (view_.mainVisible()) return;
    view_.setTrayHint(programTitle(ctx_.fileVersion));
    if (windowWasVisible) {
        view_.showMain();
        if (zip_ && zip_->openMark) {
            zip_->showInFront();
        } else {
            view_.focusMain();
        }
    }
    for (SecondaryWindow* w : secondaries_) {
        if (w->openMark == 1) w->showInFront();
    }
}

bool MainShell::FutValami() { return app::FutValami(ctx_.activityCode, ctx_.platform.ui); }

void MainShell::endBeep(bool needsWindowWasVisible) {
    if (!ctx_.config.check_beep || quitting) return;
    if (needsWindowWasVisible && !windowWasVisible) return;
    view_.beep();
}

void MainShell::startBlinking(int tag) {
    blinking_ = true;
    blinkTag_ = tag;
    blinkOn_ = false;
}

void MainShell::stopBlinking() { blinking_ = false; }

void MainShell::VillogTimer() {
    if (!blinking_) return;
    blinkOn_ = !blinkOn_;
    if (ctx_.commandLine.isAutomatic()) {
        view_.setSplashText(blinkOn_ ? kAutomaticBlinkText : "");
        return;
    }
    const std::string text = blinkOn_ ? blinkStatusText(blinkTag_) : std::string();
    view_.setStatusText(text);
    if (blinkTag_ == 2 || blinkTag_ == 3) view_.setTrayHint(programTitle(ctx_.fileVersion) + text);
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
