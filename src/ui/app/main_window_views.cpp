// The main window's side of the session: what app::MainShell and the pages' work ask of
// the real windows, the tray's commands, the keys, and the hand-over of a directory.
#include "ui/app/main_window.h"
// After windows.h.
#include <commctrl.h>

#include "platform/win32/wide.h"

namespace kefelo::ui {
namespace {
constexpr UINT kBalloonMs = 10000;
}  // namespace

// --- app::MainWindowView ---

bool MainWindow::mainVisible() { return hwnd() && IsWindowVisible(hwnd()); }

void MainWindow::hideMain() { ShowWindow(hwnd(), SW_HIDE); }

void MainWindow::showMain() {
    restoreApplication();
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd());
}

void MainWindow::focusMain() { SetFocus(hwnd()); }

void MainWindow::restoreApplication() {
    if (application_) application_->restoreAndFront();
}

void MainWindow::popUpMain() {
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // A window kept on top by the user's option stays there.
    SetWindowPos(hwnd(), session_.config().check_stayontop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    restoreApplication();
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    BringWindowToTop(hwnd());
    SetForegroundWindow(hwnd());
}

void MainWindow::showApplicationTaskbarWindow() {
    if (application_) application_->show();
}

void MainWindow::storeWindowState() {
    config::ConfigModel& config = session_.config();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    // Workspace coordinates, as restoreWindowPlacement takes them back.
    if (GetWindowPlacement(hwnd(), &placement)) {
        const RECT& r = placement.rcNormalPosition;
        config.window = config::WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    if (!welcomeShown_) config.activePage = activePage();
}

void MainWindow::repaint() { RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

void MainWindow::repaintAndPump() {
    repaint();
    session_.context().platform.ui.pumpMessages();
}

void MainWindow::setHourglassCursor(bool on) { SetCursor(LoadCursorW(nullptr, on ? IDC_WAIT : IDC_ARROW)); }

void MainWindow::terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void MainWindow::beep() { MessageBeep(MB_OK); }

// --- the tray ---

void MainWindow::showTray(bool emptyMenu) {
    trayMenuEmpty_ = emptyMenu;
    tray_.setVisible(true);
}

void MainWindow::showBalloon(const std::string& title, const std::string& text, BalloonIcon icon) {
    tray_.showBalloon(title, text, icon, kBalloonMs);
}

void MainWindow::showBalloon(const std::string& title, const std::string& text) {
    showBalloon(title, text, BalloonIcon::Information);
}

void MainWindow::hideBalloon() { tray_.hideBalloon(); }

void MainWindow::showTrayMenu() {
    if (trayMenuEmpty_) return;  // pUres: nothing to offer while the update check runs
    session_.shell().pTrayPopup();
    onCommand(tray_.trackMenu(menus_.trayMenu()));
}

void MainWindow::onCommand(UINT id) {
    app::MainShell& shell = session_.shell();
    switch (id) {
        case IDM_PROGRAMRESTORE:
            shell.menuitem_programrestoreClick();
            return;
        case IDM_TRAYCLEAN:
            session_.run().menu_traycleanClick();
            return;
        case IDM_TRAYQUIT:
        case IDM_PMENU_QUIT:
            shell.Kilps1Click();
            return;
        case IDM_PMENU_SHOW:
            shell.windowWasVisible = true;
            showMain();
            return;
        case IDM_PMENU_SELECT:
        case IDM_PMENU_CLIPBOARD:
            showMain();
            selectPage(app::page_clean);
            pcChange();
            break;
        default:
            break;
    }
    for (Page& p : pages_) {
        if (p.page->command(id)) return;
    }
}

bool MainWindow::createSplash() {
    // "Megszakít" on the strip halts the automatic run.
    cleaning::CleaningRun& run = session_.run();
    return splash_.create(instance_, [&run] { run.button_reporthaltClick(); });
}

// --- the status bar ---

void MainWindow::setStatusText(const std::string& text) {
    statusText_ = text;
    if (!status_) return;
    const std::wstring wide = (statusCentred_ ? L"\t" : L"") + platform::win32::widen(text);
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void MainWindow::setStatusCentred(bool centred) {
    statusCentred_ = centred;
    setStatusText(statusText_);
}

void MainWindow::startBlinking(int tag) {
    session_.shell().startBlinking(tag);
    SetTimer(hwnd(), kVillogTimer, kVillogMs, nullptr);
}

void MainWindow::stopBlinking() {
    session_.shell().stopBlinking();
    KillTimer(hwnd(), kVillogTimer);
}

void MainWindow::showHint(const std::string& hint) {
    if (session_.shell().statusFollowsHint(GetCapture() != nullptr)) setStatusText(hint);
}

// --- start-up, keys ---

void MainWindow::showFirst(int showCommand) {
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
}

bool MainWindow::previewKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !(msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd))) return false;
    for (Page& p : pages_) {
        if (p.page->previewKey(msg)) return true;
    }
    // Esc is the window's own key: what no page takes goes nowhere.
    return msg.wParam == VK_ESCAPE;
}

// --- hand-over of a directory ---

bool MainWindow::WMCopyData(const COPYDATASTRUCT& data) {
    // Never more than the sender said it sent.
    const std::string_view payload =
        data.lpData ? std::string_view(static_cast<const char*>(data.lpData), data.cbData) : std::string_view();
    if (const std::optional<std::string> path = session_.receiveHandover(payload)) {
        // The sender waits for the answer; the search starts once it has it.
        pendingSearch_ = *path;
        PostMessageW(hwnd(), kStartSearchMessage, 0, 0);
    }
    return true;
}

void MainWindow::startHandedOverSearch() {
    const std::string path = std::exchange(pendingSearch_, {});
    if (session_.activity() != app::Activity::Idle) return;  // something started meanwhile
    selectPage(app::page_filesearch);
    pcChange();
    session_.searchHandedOver(path);
}

}  // namespace kefelo::ui
