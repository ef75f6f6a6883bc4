// The main window as the cleaning run's view: the run decides, these carry it out on the
// cleaning page, the status bar, the tray and the splash.
#include "core/app/busy_guard.h"
#include "core/app/program_texts.h"
#include "core/cleaning/cleaning_page_model.h"
#include "core/cleaning/log_files.h"
#include "base/time/datetime.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window.h"
#include "ui/app/main_window_ids.h"

namespace kefelo::ui {

void MainWindow::createCleaning() {
    platform::Platform& p = services_.platform;
    autodel_ = std::make_unique<cleaning::AutodelOperations>(
        cleaning::AutodelEnv{p.fs, p.sys, p.ui, services_.shell, record_.batch, record_.log, services_.programDirectory,
                             [this] { return config_.check_viewalerts; }});
    run_ = std::make_unique<cleaning::CleaningRun>(
        cleaning::CleaningRunContext{p, config_, search_, services_.commandLine, *this, record_, *autodel_,
                                     services_.programDirectory, services_.fileVersion, p.sys.platformId() >= 2});
    search_.OnProcess = [this](search::TSearchFolders& sender, const std::string& dir, int64_t, int64_t) {
        walkerProcess(sender, dir);
    };
    search_.OnChanged = [this](search::TSearchFolders& sender, int64_t, int64_t) { walkerChanged(sender); };
    if (!onTrayClean) onTrayClean = [this] { run_->menu_traycleanClick(); };
}

bool MainWindow::createCleaningPage() {
    cleaningPage_ = std::make_unique<CleaningPage>(services_.platform, services_.shell, config_);
    CleaningPage::Callbacks callbacks;
    callbacks.beginClean = [this] { run_->button_begincleanClick(); };
    callbacks.reportHalt = [this] { run_->button_reporthaltClick(); };
    callbacks.reportRunEnd = [this] { run_->button_reportrunendClick(); };
    callbacks.reportRunRepeat = [this] { run_->button_begincleanClick(); };
    callbacks.reportSave = [this] {
        cleaning::saveLogAs(record_.log, services_.platform.fs, services_.platform.ui, config_.check_viewalerts);
    };
    callbacks.autodelBat = [this] { autodel_->view(); };
    callbacks.printJobTitle = [this] {
        platform::Platform& p = services_.platform;
        return cleaning::printJobTitle(services_.fileVersion,
                                       timeutil::formatDate(p.clock.now(), p.sys.shortDateFormat()));
    };
    callbacks.hint = [this](const std::string& hint) { showHint(hint); };
    // Esc confirms the report as "Rendben" does (halting a search joins it with the search page).
    if (!onEscape) {
        onEscape = [this] {
            if (activePage() == app::page_clean && cleaningPage_->innerPage() == 1 && !run_->running()) {
                run_->button_reportrunendClick();
            }
        };
    }
    if (!cleaningPage_->create(instance_, pageWindow(app::page_clean), std::move(callbacks))) return false;
    connectContainerMenus();
    connectTaskEditors();
    return true;
}

void MainWindow::startAutomaticCleaning() { run_->button_begincleanClick(); }

void MainWindow::walkerProcess(search::TSearchFolders& sender, const std::string& dir) {
    if (services_.commandLine.isAutomatic()) setSplashPath(services_.platform.fs.shortPath(dir), dir);
    if (sender.Tag == app::activity_cleaning) {
        run_->SearchFoldersProcess(dir);
    } else if (onWalkerProcess) {
        onWalkerProcess(sender, dir);
    }
}

void MainWindow::walkerChanged(search::TSearchFolders& sender) {
    setTrayHint(app::programTitle(services_.fileVersion));
    if (sender.Tag == app::activity_cleaning) {
        run_->SearchFoldersChanged(sender);
    } else if (onWalkerChanged) {
        onWalkerChanged(sender);
    }
}

void MainWindow::setCleaningPage(int page) {
    if (cleaningPage_) cleaningPage_->setInnerPage(page);
}

void MainWindow::setTrayCleanCaption(const std::string& caption) {
    const std::wstring text = platform::win32::widen(caption);
    ModifyMenuW(actionsMenu_, IDM_TRAYCLEAN, MF_BYCOMMAND | MF_STRING, IDM_TRAYCLEAN, text.c_str());
}

void MainWindow::setReportCaption(const std::string& caption) {
    if (cleaningPage_) cleaningPage_->setReportCaption(caption);
}

void MainWindow::showReportHalt(bool visible) {
    if (cleaningPage_) cleaningPage_->showReportHalt(visible);
}

void MainWindow::showReportButtons(bool visible) {
    if (cleaningPage_) cleaningPage_->showReportButtons(visible);
}

void MainWindow::hideLog() {
    if (cleaningPage_) cleaningPage_->hideLog();
}

void MainWindow::showLog(const cleaning::CleaningLog& log) {
    if (cleaningPage_) cleaningPage_->showLog(log);
}

void MainWindow::setLastPathText(const std::string& text) {
    if (cleaningPage_) cleaningPage_->setLastPathText(text);
    // `mUtolsoUritChange`: while a run blinks, the tray tells where it is.
    if (shell_.blinkTag() == 0) setTrayHint(cleaning::cleaningTrayHint(services_.fileVersion, text));
}

void MainWindow::focusReportButtons() {
    if (cleaningPage_) cleaningPage_->focusReportButtons();
}

void MainWindow::setAutodelButtonEnabled(bool enabled) {
    if (cleaningPage_) cleaningPage_->setAutodelButtonEnabled(enabled);
}

void MainWindow::setCurrentTaskRow(int row) {
    if (cleaningPage_) cleaningPage_->setCurrentTaskRow(row);
}

void MainWindow::listsChanged() {
    if (cleaningPage_) cleaningPage_->listsChanged();
}

void MainWindow::setStatusAlignment(cleaning::StatusAlignment alignment) {
    setStatusCentred(alignment == cleaning::StatusAlignment::Center);
}

void MainWindow::setHourglassCursor(bool on) { SetCursor(LoadCursorW(nullptr, on ? IDC_WAIT : IDC_ARROW)); }

void MainWindow::repaint() { RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

void MainWindow::showTrayBalloon(const std::string& title, const std::string& text) {
    showBalloon(title, text, BalloonIcon::Information);
}

void MainWindow::showTrayIcon() { showTray(false); }

void MainWindow::showApplicationTaskbarWindow() {
    if (application_) application_->show();
}

void MainWindow::setSplashPath(const std::string& label, const std::string& hint) {
    if (splash_) splash_->setAutoSearchText(label, hint);
}

void MainWindow::restoreFromTray() {
    if (!mainVisible()) shell_.menuitem_programrestoreClick();
}

}  // namespace kefelo::ui
