#include "ui/app/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "core/app/program_texts.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window_ids.h"
#include "ui/common/dpi.h"
#include "ui/common/work_area.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"TForm1";
constexpr UINT_PTR kTimer1 = 2;
constexpr UINT kTimer1Ms = 5000;
constexpr int kConsoleHeight = 96;

using platform::win32::widen;
}  // namespace

MainWindow::MainWindow(const session::SessionContext& context)
    : session_(context, app::ShellViews{*this, *this, splash_, *this}) {}

MainWindow::~MainWindow() { hideTray(); }

bool MainWindow::create(HINSTANCE instance, HICON icon, HICON smallIcon, ApplicationWindow& application) {
    instance_ = instance;
    application_ = &application;
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.icon = icon;
    wc.smallIcon = smallIcon;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    if (!tray_.create(instance, smallIcon)) return false;
    app::MainShell& shell = session_.shell();
    tray_.onClick = [&shell] { shell.menuitem_programrestoreClick(); };
    tray_.onMenu = [this] { showTrayMenu(); };
    tray_.onBalloonClick = [&shell] { shell.balloonClicked(); };
    tray_.onBalloonHide = [&shell] { shell.balloonHidden(); };
    tray_.onBalloonTimeout = [&shell] { shell.balloonTimedOut(); };

    dpi_ = dpiOf(nullptr);
    const std::wstring title = widen(app::mainWindowCaption(session_.context().fileVersion));
    CreateArgs args;
    args.className = kClassName;
    args.title = title.c_str();
    args.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.width = scaleForDpi(config::kMainWindowMinWidth, dpi_);
    args.height = scaleForDpi(config::kMainWindowMinHeight, dpi_);
    args.x = args.y = 0;
    args.parent = application.hwnd();  // the owner: no taskbar button of its own
    if (!Window::create(instance, args)) return false;

    menus_.build(app::programTitle(session_.context().fileVersion));
    tray_.setHint(app::programTitle(session_.context().fileVersion));
    shell.console.onLine = [this](const std::string& line) { console_.append(line); };
    reloadConfiguration();
    return true;
}

void MainWindow::reloadConfiguration() {
    app::MainShell& shell = session_.shell();
    shell.console.clear();
    console_.clear();
    const bool updated = session_.loadConfiguration(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    applyConfiguration();
    for (Page& p : pages_) p.page->configurationReloaded();
    if (updated) selectPage(app::page_help);  // the version history
    SetTimer(hwnd(), kTimer1, kTimer1Ms, nullptr);
    pcChange();
}

bool MainWindow::createChildren() {
    // Multi-line, so that every page caption stays readable at the minimum width whatever
    // the system font measures; a single row comes back as soon as they fit.
    pc_ =
        CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_MULTILINE, 0,
                        0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PC)), instance_, nullptr);
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)), instance_, nullptr);
    if (!pc_ || !status_ || !welcome_.create(instance_, hwnd(), dpi_)) return false;
    welcome_.onReadHelpDoubleClick = [this] { leaveWelcome(); };
    welcome_.onHint = [this](const std::string& hint) { showHint(hint); };
    if (!createPages() || !console_.create(instance_, hwnd())) return false;
    console_.onLineClicked = [this](const std::string& line) { setStatusText(line); };
    console_.onHint = [this](const std::string& hint) {
        if (hint != statusText_) showHint(hint);
    };
    applyFont();
    selectPage(app::page_clean);
    return true;
}

bool MainWindow::createPages() {
    for (int i = 0; i < app::kMainPageCount; ++i) {
        std::wstring caption = widen(app::kMainPageCaptions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(pc_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));

        Page& p = pages_[i];
        if (!p.area.create(instance_, IDD_MAIN_PAGE, hwnd())) return false;
        // Pages lie over the page control, so they must be above it.
        SetWindowPos(p.area.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        p.page = makeMainPage(static_cast<app::MainPage>(i));
        if (!p.page || !p.page->create({instance_, p.area.hwnd(), session_, *this, session_.frame(), *this})) {
            return false;
        }
    }
    return true;
}

void MainWindow::applyConfiguration() {
    const config::ConfigModel& config = session_.config();
    restoreWindowPlacement(hwnd(), config.window, scaleForDpi(config::kMainWindowMinWidth, dpi_),
                           scaleForDpi(config::kMainWindowMinHeight, dpi_));

    const app::DiagnosticConsole& diagnostic = session_.shell().console;
    console_.show(diagnostic.enabled(), diagnostic.lines(), session_.masks().lines(), session_.record().batch.lines());
    showWelcome(config.firstRunScreen);
    if (!config.firstRunScreen) selectPage(std::clamp(config.activePage, 0, app::kMainPageCount - 1));
}

void MainWindow::applyFont() {
    // The old font is released only after the controls have let go of it.
    UniqueFont previous = std::move(font_);
    font_ = createMessageFont(dpi_);
    // Narrower than the default padding, so the five captions share one row at the
    // minimum width with the usual system fonts.
    SendMessageW(pc_, TCM_SETPADDING, 0, MAKELPARAM(scaleForDpi(4, dpi_), scaleForDpi(5, dpi_)));
    for (HWND control : {pc_, status_}) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    console_.setFont(font_.get());
}

void MainWindow::layout() {
    if (!pc_ || !status_) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    // The status bar places itself at the bottom on WM_SIZE.
    SendMessageW(status_, WM_SIZE, 0, 0);
    RECT statusRect{};
    GetWindowRect(status_, &statusRect);
    const int statusHeight = statusRect.bottom - statusRect.top;
    const int consoleHeight = diagnosticMode() ? scaleForDpi(kConsoleHeight, dpi_) : 0;
    const int pcHeight = std::max(0, static_cast<int>(client.bottom) - statusHeight - consoleHeight);
    if (consoleHeight > 0) console_.place(pcHeight, client.right, consoleHeight);
    if (welcome_.hwnd()) MoveWindow(welcome_.hwnd(), 0, 0, client.right, pcHeight, TRUE);

    // The page control is sized first: its rows of captions, and so its display area,
    // depend on its width.
    SetWindowPos(pc_, nullptr, 0, 0, client.right, pcHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT display{0, 0, client.right, pcHeight};
    SendMessageW(pc_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    HDWP batch = BeginDeferWindowPos(app::kMainPageCount);
    for (const Page& p : pages_) {
        // The help page's area may be lent to the welcome screen, which places it.
        if (!p.area.hwnd() || !batch || GetParent(p.area.hwnd()) != hwnd()) continue;
        batch = DeferWindowPos(batch, p.area.hwnd(), nullptr, display.left, display.top,
                               std::max(0L, display.right - display.left), std::max(0L, display.bottom - display.top),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch) EndDeferWindowPos(batch);
}

int MainWindow::activePage() const { return pc_ ? static_cast<int>(SendMessageW(pc_, TCM_GETCURSEL, 0, 0)) : -1; }

void MainWindow::selectPage(int index) {
    if (!pc_ || index < 0 || index >= app::kMainPageCount) return;
    SendMessageW(pc_, TCM_SETCURSEL, index, 0);
    showSelectedPage();
}

void MainWindow::showSelectedPage() {
    const int active = welcomeShown_ ? -1 : activePage();
    for (int i = 0; i < app::kMainPageCount; ++i) {
        const bool shown = i == active || (welcomeShown_ && i == app::page_help);
        if (pages_[i].area.hwnd()) ShowWindow(pages_[i].area.hwnd(), shown ? SW_SHOW : SW_HIDE);
    }
}

void MainWindow::pcChange() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    session_.refreshLists();
    const auto shown = static_cast<app::MainPage>(activePage());
    for (Page& p : pages_) p.page->pageChanged(shown);
    console_.showBatch(session_.record().batch.lines());
    showHint("");
}

void MainWindow::onActivated() {
    session_.refreshLists();
    for (Page& p : pages_) p.page->activated();
    console_.showBatch(session_.record().batch.lines());
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    applyFont();
    welcome_.setDpi(dpi);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

void MainWindow::showWelcome(bool show) {
    welcomeShown_ = show;
    welcome_.lendHelp(show ? pages_[app::page_help].area.hwnd() : nullptr, hwnd());
    if (welcome_.hwnd()) ShowWindow(welcome_.hwnd(), show ? SW_SHOW : SW_HIDE);
    ShowWindow(pc_, show ? SW_HIDE : SW_SHOW);
    showSelectedPage();
    layout();
}

void MainWindow::leaveWelcome() {
    showWelcome(false);
    session_.discovery().Discovery();
    selectPage(app::page_clean);
    session_.showCleaningLists();
    pcChange();
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = dpiOf(hwnd());
            return createChildren() ? 0 : -1;
        case WM_SIZE:
            // Minimising sends the window to the tray instead of the taskbar.
            if (wParam == SIZE_MINIMIZED) {
                session_.shell().menuitem_programrestoreClick();
                return 0;
            }
            layout();
            return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = scaleForDpi(config::kMainWindowMinWidth, dpi_);
            info->ptMinTrackSize.y = scaleForDpi(config::kMainWindowMinHeight, dpi_);
            return 0;
        }
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SHOWWINDOW:
            if (wParam && session_.shell().FormShow()) {
                // The Explorer verb's box follows the registry from the first showing on.
                session_.options().syncDirRegistration();
                if (const auto& options = pages_[app::page_options].page) options->configurationReloaded();
            }
            break;
        case WM_NCACTIVATE: {
            const LRESULT result = Window::handleMessage(message, wParam, lParam);
            if (session_.shell().activationChanged(wParam != FALSE)) onActivated();
            return result;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == pc_ && header->code == TCN_SELCHANGE) {
                showSelectedPage();
                pcChange();
                return 0;
            }
            break;
        }
        case WM_TIMER:
            if (wParam == kVillogTimer) {
                session_.shell().VillogTimer();
                return 0;
            }
            if (wParam == kTimer1) {
                KillTimer(hwnd(), kTimer1);
                EnableWindow(hwnd(), TRUE);
                return 0;
            }
            break;
        case WM_COPYDATA:
            return WMCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? 1 : 0;
        case kStartSearchMessage:
            startHandedOverSearch();
            return 0;
        case WM_USER + 1:
            // The old tray protocol: a left press shows the window, a right one its menu.
            if (lParam == WM_LBUTTONDOWN) onCommand(IDM_PMENU_SHOW);
            if (lParam == WM_RBUTTONDOWN) {
                menus_.showPopup(hwnd(),
                                 IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT));
            }
            return 0;
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0) {
                onCommand(LOWORD(wParam));
                return 0;
            }
            break;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETNONCLIENTMETRICS) {
                applyFont();
                layout();
            }
            break;
        case WM_CLOSE:
            session_.shell().FormClose();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            // The process ends when this returns: what runs stops and the settings are saved now.
            if (wParam) session_.shell().endSession();
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
