#include "ui/app/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "core/app/program_texts.h"
#include "core/cleaning/list_refresh.h"
#include "core/cleaning/log_files.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window_ids.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"TForm1";
constexpr std::array<int, app::kMainPageCount> kPageTemplates = {
    IDD_PAGE_CLEAN, IDD_PAGE_FILESEARCH, IDD_PAGE_TOOLS, IDD_PAGE_OPTIONS, IDD_PAGE_HELP,
};
constexpr UINT_PTR kTimer1 = 2;
constexpr UINT kTimer1Ms = 5000;
constexpr int kConsoleHeight = 96;

using platform::win32::narrow;
using platform::win32::widen;
}  // namespace

MainWindow::MainWindow(const Services& services)
    : services_(services),
      search_(services.platform),
      shell_(*this, app::ShellContext{services.platform, services.commandLine, services.programDirectory,
                                      services.fileVersion, config_, masks_, search_.Tag, [this] { search_.Stop(); }}),
      record_([this] { return cleaning::nowTexts(services_.platform.clock, services_.platform.sys); }) {}

MainWindow::~MainWindow() {
    hideTray();
    if (trayMenu_) DestroyMenu(trayMenu_);
    if (popupMenu_) DestroyMenu(popupMenu_);
}

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
    tray_.onClick = [this] { shell_.menuitem_programrestoreClick(); };
    tray_.onMenu = [this] { showTrayMenu(); };
    tray_.onBalloonClick = [this] { shell_.balloonClicked(); };
    tray_.onBalloonHide = [this] { shell_.balloonHidden(); };
    tray_.onBalloonTimeout = [this] { shell_.balloonTimedOut(); };

    dpi_ = dpiOf(nullptr);
    const std::wstring title = widen(app::mainWindowCaption(services_.fileVersion));
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

    buildMenus();
    createCleaning();
    createDiscovery();
    shell_.console.onLine = [this](const std::string& line) {
        if (!console_) return;
        const std::wstring text = widen((GetWindowTextLengthW(console_) > 0 ? "\r\n" : "") + line);
        SendMessageW(console_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        SendMessageW(console_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    };
    reloadConfiguration();
    return true;
}

void MainWindow::reloadConfiguration() {
    shell_.console.clear();
    if (console_) SetWindowTextW(console_, L"");
    const bool updated = shell_.FormCreate(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    search_.DoRecursive = config_.check_resursivesearchmode;
    applyConfiguration();
    if (options_) options_->applyStoredSettings();
    if (optionsPage_) optionsPage_->refresh();
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
    if (!pc_ || !status_) return false;

    for (int i = 0; i < app::kMainPageCount; ++i) {
        std::wstring caption = widen(app::kMainPageCaptions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(pc_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));

        pages_[i] = std::make_unique<MainPageView>();
        if (!pages_[i]->create(instance_, kPageTemplates[i], hwnd())) return false;
        // Pages lie over the page control, so they must be above it.
        SetWindowPos(pages_[i]->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (!welcome_.create(instance_, hwnd(), dpi_)) return false;
    welcome_.onReadHelpDoubleClick = [this] { leaveWelcome(); };
    if (!createCleaningPage()) return false;
    if (!createToolsPage()) return false;
    if (!createSearchPage()) return false;
    if (!createOptionsPage()) return false;
    createConsole();
    applyFont();
    selectPage(app::page_clean);
    return true;
}

void MainWindow::createConsole() {
    const DWORD style =
        WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_BORDER;
    console_ = CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 0, 0, hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MTESZT)), instance_, nullptr);
    componentNames_ =
        CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 0, 0, hwnd(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_COMPONENTNAMES)), instance_, nullptr);
    maskTable_ = CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 0, 0, hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MKIT)), instance_, nullptr);
    // A click on a console line copies it to the status bar.
    consoleClicks_.attach(console_, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_LBUTTONUP) PostMessageW(hwnd(), WM_APP + 2, 0, 0);
        return std::nullopt;
    });
}

void MainWindow::buildMenus() {
    const std::wstring title = widen(app::programTitle(services_.fileVersion));
    actionsMenu_ = CreatePopupMenu();
    AppendMenuW(actionsMenu_, MF_STRING, IDM_TRAYCLEAN, L"Takarítás");
    AppendMenuW(actionsMenu_, MF_STRING, IDM_TRAYFORMAT, L"Kislemez formázása");
    AppendMenuW(actionsMenu_, MF_STRING, IDM_MENUELEMZES, L"Lemezelemző táblázat megnyitása");
    trayMenu_ = CreatePopupMenu();
    AppendMenuW(trayMenu_, MF_STRING, IDM_PROGRAMRESTORE, title.c_str());
    AppendMenuW(trayMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(actionsMenu_), L"Műveletek");
    AppendMenuW(trayMenu_, MF_STRING, IDM_TRAYQUIT, L"Kilépés");

    HMENU newFolder = CreatePopupMenu();
    AppendMenuW(newFolder, MF_STRING, IDM_PMENU_SELECT, L"Kiválasztás");
    AppendMenuW(newFolder, MF_STRING, IDM_PMENU_CLIPBOARD, L"Vágólapról");
    popupMenu_ = CreatePopupMenu();
    AppendMenuW(popupMenu_, MF_STRING, IDM_PMENU_SHOW, L"Kefeló v2.5");
    AppendMenuW(popupMenu_, MF_STRING, IDM_PMENU_START, L"Indítás");
    AppendMenuW(popupMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(newFolder), L"Új könyvtár felvétele");
    AppendMenuW(popupMenu_, MF_STRING, IDM_PMENU_QUIT, L"Kilépés");

    tray_.setHint(app::programTitle(services_.fileVersion));
}

void MainWindow::applyConfiguration() {
    // The stored place, but never smaller than the minimum and never off every screen.
    const config::WindowBounds& b = config_.window;
    RECT rect{b.left, b.top, b.left + std::max(b.width, scaleForDpi(config::kMainWindowMinWidth, dpi_)),
              b.top + std::max(b.height, scaleForDpi(config::kMainWindowMinHeight, dpi_))};
    if (!MonitorFromRect(&rect, MONITOR_DEFAULTTONULL)) {
        RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        OffsetRect(&rect, work.left + (work.right - work.left - (rect.right - rect.left)) / 2 - rect.left,
                   work.top + (work.bottom - work.top - (rect.bottom - rect.top)) / 2 - rect.top);
    }
    SetWindowPos(hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const bool diagnostic = shell_.console.enabled();
    for (HWND memo : {console_, componentNames_, maskTable_}) ShowWindow(memo, diagnostic ? SW_SHOW : SW_HIDE);
    if (diagnostic) {
        static constexpr const char* kComponentNames[] = {
            "page_clean",
            "page_filesearch",
            "page_tools",
            "page_options",
            "page_help",
            "label_readhelp",
            "menuitem_programrestore",
            "menuitem_actions",
            "menu_trayclean",
            "menu_trayformat",
            "menu_trayquit",
            "label_programloading",
            "label_programautosearch",
            "button_autoruncancel",
        };
        std::string names;
        for (const char* name : kComponentNames) names += std::string(names.empty() ? "" : "\r\n") + name;
        SetWindowTextW(componentNames_, widen(names).c_str());
        std::string table;
        for (const std::string& line : masks_.lines()) table += (table.empty() ? "" : "\r\n") + line;
        SetWindowTextW(maskTable_, widen(table).c_str());
        std::string lines;
        for (const std::string& line : shell_.console.lines()) lines += (lines.empty() ? "" : "\r\n") + line;
        SetWindowTextW(console_, widen(lines).c_str());
    }
    showWelcome(config_.firstRunScreen);
    if (!config_.firstRunScreen) selectPage(std::clamp(config_.activePage, 0, app::kMainPageCount - 1));
}

void MainWindow::applyFont() {
    // The old font is released only after the controls have let go of it.
    UniqueFont previous = std::move(font_);
    font_ = createMessageFont(dpi_);
    const auto font = reinterpret_cast<WPARAM>(font_.get());
    // Narrower than the default padding, so the five captions share one row at the
    // minimum width with the usual system fonts.
    SendMessageW(pc_, TCM_SETPADDING, 0, MAKELPARAM(scaleForDpi(4, dpi_), scaleForDpi(5, dpi_)));
    for (HWND control : {pc_, status_, console_, componentNames_, maskTable_}) {
        if (control) SendMessageW(control, WM_SETFONT, font, TRUE);
    }
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
        if (pages_[i] && pages_[i]->hwnd()) ShowWindow(pages_[i]->hwnd(), i == active ? SW_SHOW : SW_HIDE);
    }
}

void MainWindow::pcChange() {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    cleaning::refreshContainerList(config_.list_temps, services_.platform);
    cleaning::refreshTaskList(config_.list_projects, services_.platform.fs);
    listsChanged();
    const int page = activePage();
    for (const auto& handler : pageChangeHandlers) handler(page);
    showHint("");
}

void MainWindow::setStatusText(const std::string& text) {
    statusText_ = text;
    if (!status_) return;
    const std::wstring wide = (statusCentred_ ? L"\t" : L"") + widen(text);
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string MainWindow::statusText() { return statusText_; }

void MainWindow::setStatusCentred(bool centred) {
    statusCentred_ = centred;
    setStatusText(statusText_);
}

void MainWindow::showHint(const std::string& hint) {
    if (shell_.statusFollowsHint(GetCapture() != nullptr)) setStatusText(hint);
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
    const int consoleHeight = shell_.console.enabled() ? scaleForDpi(kConsoleHeight, dpi_) : 0;
    const int pcHeight = std::max(0, static_cast<int>(client.bottom) - statusHeight - consoleHeight);

    if (consoleHeight > 0) {
        // The console takes half the width, the two working lists a quarter each.
        const int top = pcHeight;
        const int half = client.right / 2;
        const int quarter = (client.right - half) / 2;
        MoveWindow(console_, 0, top, half, consoleHeight, TRUE);
        MoveWindow(componentNames_, half, top, quarter, consoleHeight, TRUE);
        MoveWindow(maskTable_, half + quarter, top, client.right - half - quarter, consoleHeight, TRUE);
    }
    if (welcome_.hwnd()) MoveWindow(welcome_.hwnd(), 0, 0, client.right, pcHeight, TRUE);

    // The page control is sized first: its rows of captions, and so its display area,
    // depend on its width.
    SetWindowPos(pc_, nullptr, 0, 0, client.right, pcHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT display{0, 0, client.right, pcHeight};
    SendMessageW(pc_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    HDWP batch = BeginDeferWindowPos(app::kMainPageCount);
    for (const auto& page : pages_) {
        if (!page || !page->hwnd() || !batch) continue;
        batch = DeferWindowPos(batch, page->hwnd(), nullptr, display.left, display.top,
                               std::max(0L, display.right - display.left), std::max(0L, display.bottom - display.top),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch) EndDeferWindowPos(batch);
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    applyFont();
    welcome_.setDpi(dpi);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

void MainWindow::onActivated() {
    cleaning::refreshContainerList(config_.list_temps, services_.platform);
    cleaning::refreshTaskList(config_.list_projects, services_.platform.fs);
    listsChanged();
    for (const auto& refresh : activationRefresh) refresh();
}

void MainWindow::showWelcome(bool show) {
    welcomeShown_ = show;
    if (welcome_.hwnd()) ShowWindow(welcome_.hwnd(), show ? SW_SHOW : SW_HIDE);
    ShowWindow(pc_, show ? SW_HIDE : SW_SHOW);
    showSelectedPage();
    layout();
}

void MainWindow::leaveWelcome() {
    showWelcome(false);
    if (onDiscoverContainers) onDiscoverContainers();
    selectPage(app::page_clean);
    setCleaningInnerPage(0);
    pcChange();
}

void MainWindow::consoleLineClicked() {
    const auto line = static_cast<int>(SendMessageW(console_, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
    std::wstring text(1024, L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size() - 1);
    const auto got =
        static_cast<size_t>(SendMessageW(console_, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(got, text.size()));
    setStatusText(narrow(text));
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = dpiOf(hwnd());
            return createChildren() ? 0 : -1;
        case WM_SIZE:
            // Minimising sends the window to the tray instead of the taskbar.
            if (wParam == SIZE_MINIMIZED) {
                shell_.menuitem_programrestoreClick();
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
            if (wParam && shell_.FormShow() && onFirstShow) onFirstShow();
            break;
        case WM_NCACTIVATE: {
            const LRESULT result = Window::handleMessage(message, wParam, lParam);
            if (shell_.activationChanged(wParam != FALSE)) onActivated();
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
                shell_.VillogTimer();
                return 0;
            }
            if (wParam == kTimer1) {
                KillTimer(hwnd(), kTimer1);
                if (onTimer1) onTimer1();
                EnableWindow(hwnd(), TRUE);
                return 0;
            }
            break;
        case WM_COPYDATA:
            return WMCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? 1 : 0;
        case kStartSearchMessage:
            startHandedOverSearch();
            return 0;
        case kFreeSplashMessage:
            retiredSplash_.reset();
            return 0;
        case WM_APP + 2:
            consoleLineClicked();
            return 0;
        case WM_USER + 1:
            // The old tray protocol: a left press shows the window, a right one its menu.
            if (lParam == WM_LBUTTONDOWN) onCommand(IDM_PMENU_SHOW);
            if (lParam == WM_RBUTTONDOWN) showPopupMenu();
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
            shell_.FormClose();
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
