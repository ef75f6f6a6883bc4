// The main window's side of its lifecycle: what app::MainShell asks of the real windows,
// the tray menus, and the hand-over of a directory from another copy.
#include "core/app/directory_handover.h"
#include "core/app/program_texts.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window.h"
#include "ui/app/main_window_ids.h"

namespace kefelo::ui {
namespace {
constexpr UINT kBalloonMs = 10000;
constexpr int kActionsMenuPosition = 1;
}  // namespace

// --- app::ShellView ---

bool MainWindow::mainVisible() { return hwnd() && IsWindowVisible(hwnd()); }

void MainWindow::hideMain() { ShowWindow(hwnd(), SW_HIDE); }

void MainWindow::showMain() {
    if (application_) application_->restoreAndFront();
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
}

void MainWindow::focusMain() { SetFocus(hwnd()); }

void MainWindow::restoreApplication() {
    if (application_) application_->restoreAndFront();
}

void MainWindow::popUpMain() {
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (application_) application_->restoreAndFront();
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    BringWindowToTop(hwnd());
    SetForegroundWindow(hwnd());
}

void MainWindow::storeWindowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(hwnd(), &placement)) {
        const RECT& r = placement.rcNormalPosition;
        config_.window = config::WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    if (!welcomeShown_) config_.activePage = activePage();
}

void MainWindow::repaintAndPump() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    services_.platform.ui.pumpMessages();
}

void MainWindow::terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void MainWindow::beep() { MessageBeep(MB_OK); }

void MainWindow::checkRestoreItem(bool checked) {
    CheckMenuItem(trayMenu_, IDM_PROGRAMRESTORE, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::enableActionsItem(bool enabled) {
    EnableMenuItem(trayMenu_, kActionsMenuPosition, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::setSplashText(const std::string& text) {
    if (splash_) splash_->setStatusText(text);
}

void MainWindow::hideSplash() {
    if (!splash_) return;
    splash_->hide();
    // Freed once the current message is done: the hide may come from the splash's own
    // "Megszakít".
    retiredSplash_ = std::move(splash_);
    PostMessageW(hwnd(), kFreeSplashMessage, 0, 0);
}

// --- start-up ---

void MainWindow::enableActionsMenu(bool enabled) { enableActionsItem(enabled); }

void MainWindow::setTrayHint(const std::string& hint) { tray_.setHint(hint); }

void MainWindow::showTray(bool emptyMenu) {
    trayMenuEmpty_ = emptyMenu;
    tray_.setVisible(true);
}

void MainWindow::hideTray() { tray_.setVisible(false); }

void MainWindow::showBalloon(const std::string& title, const std::string& text, BalloonIcon icon) {
    tray_.showBalloon(title, text, icon, kBalloonMs);
}

bool MainWindow::createSplash() {
    splash_ = std::make_unique<SplashWindow>();
    // "Megszakít" on the strip halts the automatic run.
    splash_->onCancel = [this] {
        if (run_) run_->button_reporthaltClick();
    };
    return splash_->create(instance_);
}

bool MainWindow::createSecondaryWindows() {
    secondaries_.clear();
    const char* const titles[] = {"Lemezelemző", "Kefeló frissítése", "Frissítések eltávolító könyvtárai",
                                  "Tömörítés"};
    for (const char* title : titles) {
        auto window = std::make_unique<SecondaryPlaceholder>();
        if (!window->create(instance_, hwnd(), title)) return false;
        secondaries_.push_back(std::move(window));
    }
    ownTypes_ = std::make_unique<OwnTypesWindow>(masks_, services_.platform.ui,
                                                 [this] { return config_.check_viewalerts; });
    if (!ownTypes_->create(instance_, hwnd())) return false;
    diskAnalysis_ = secondaries_[0].get();
    zipWindow_ = secondaries_[3].get();
    shell_.setSecondaryWindows(
        {secondaries_[0].get(), ownTypes_.get(), secondaries_[1].get(), secondaries_[2].get()}, zipWindow_);
    return true;
}

void MainWindow::showFirst(int showCommand) {
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
}

bool MainWindow::previewKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !(msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd))) return false;
    if (msg.wParam == VK_ESCAPE && onEscape) {
        onEscape();
        return true;
    }
    if (msg.wParam == VK_F3 && (GetKeyState(VK_CONTROL) & 0x8000) && onExportInfo) {
        onExportInfo();
        return true;
    }
    return false;
}

void MainWindow::startBlinking(int tag) {
    shell_.startBlinking(tag);
    SetTimer(hwnd(), kVillogTimer, kVillogMs, nullptr);
}

void MainWindow::stopBlinking() {
    shell_.stopBlinking();
    KillTimer(hwnd(), kVillogTimer);
}

// --- menus ---

void MainWindow::showTrayMenu() {
    if (trayMenuEmpty_) return;  // pUres: nothing to offer while the update check runs
    shell_.pTrayPopup();
    onCommand(tray_.trackMenu(trayMenu_));
}

void MainWindow::showPopupMenu() {
    // "Vágólapról" needs text on the clipboard.
    const bool text = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
    EnableMenuItem(popupMenu_, IDM_PMENU_CLIPBOARD, MF_BYCOMMAND | (text ? MF_ENABLED : MF_GRAYED));
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(hwnd());
    TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void MainWindow::onCommand(UINT id) {
    switch (id) {
        case IDM_PROGRAMRESTORE:
            shell_.menuitem_programrestoreClick();
            break;
        case IDM_TRAYCLEAN:
            if (onTrayClean) {
                onTrayClean();
            } else {
                selectPage(app::page_clean);
            }
            break;
        case IDM_TRAYFORMAT:
            if (onTrayFormat) onTrayFormat();
            break;
        case IDM_MENUELEMZES:
            if (diskAnalysis_) diskAnalysis_->showOver(hwnd());
            break;
        case IDM_TRAYQUIT:
        case IDM_PMENU_QUIT:
            shell_.Kilps1Click();
            break;
        case IDM_PMENU_SHOW:
            shell_.windowWasVisible = true;
            showMain();
            break;
        case IDM_PMENU_SELECT:
        case IDM_PMENU_CLIPBOARD:
            showMain();
            selectPage(app::page_clean);
            pcChange();
            if (onAddContainer) onAddContainer(id == IDM_PMENU_CLIPBOARD);
            break;
        default:
            break;
    }
}

// --- hand-over of a directory ---

bool MainWindow::WMCopyData(const COPYDATASTRUCT& data) {
    // Never more than the sender said it sent.
    const std::string_view payload =
        data.lpData ? std::string_view(static_cast<const char*>(data.lpData), data.cbData) : std::string_view();
    const std::optional<std::string> path =
        app::receiveHandover(services_.platform.fs, services_.programDirectory, payload, search_.Tag);
    if (path) {
        // The sender waits for the answer; the search starts once it has it.
        pendingSearch_ = *path;
        PostMessageW(hwnd(), kStartSearchMessage, 0, 0);
    }
    return true;
}

void MainWindow::startHandedOverSearch() {
    const std::string path = std::move(pendingSearch_);
    pendingSearch_.clear();
    if (search_.Tag != 0) return;  // something started meanwhile
    if (!path.empty() && services_.platform.fs.directoryExists(path) && shell_.ntFamily) {
        showBalloon(app::searchBalloonTitle(services_.fileVersion), app::searchBalloonText(path),
                    BalloonIcon::Information);
    }
    selectPage(app::page_filesearch);
    pcChange();
    if (onSearchRequest) {
        onSearchRequest(path);
    } else {
        setStatusText(app::searchBalloonText(path));
    }
}

}  // namespace kefelo::ui
