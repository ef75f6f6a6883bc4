#include "ui/app/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "core/config/config_model.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window_ids.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"TForm1";
constexpr std::array<int, app::kMainPageCount> kPageTemplates = {
    IDD_PAGE_CLEAN, IDD_PAGE_FILESEARCH, IDD_PAGE_TOOLS, IDD_PAGE_OPTIONS, IDD_PAGE_HELP,
};

using platform::win32::widen;
}  // namespace

bool MainWindow::create(HINSTANCE instance, const Texts& texts, HICON icon, HICON smallIcon) {
    instance_ = instance;
    texts_ = texts;
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.icon = icon;
    wc.smallIcon = smallIcon;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;

    // The window is made at the system DPI; WM_DPICHANGED corrects it on another monitor.
    dpi_ = dpiOf(nullptr);
    const int width = scaleForDpi(config::kMainWindowMinWidth, dpi_);
    const int height = scaleForDpi(config::kMainWindowMinHeight, dpi_);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);

    const std::wstring title = widen(texts.caption);
    CreateArgs args;
    args.className = kClassName;
    args.title = title.c_str();
    args.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.width = width;
    args.height = height;
    args.x = work.left + (work.right - work.left - width) / 2;
    args.y = work.top + (work.bottom - work.top - height) / 2;
    return Window::create(instance, args) != nullptr;
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
    applyFont();
    selectPage(app::page_clean);
    return true;
}

void MainWindow::applyFont() {
    // The old font is released only after the controls have let go of it.
    UniqueFont previous = std::move(font_);
    font_ = createMessageFont(dpi_);
    const auto font = reinterpret_cast<WPARAM>(font_.get());
    // Narrower than the default padding, so the five captions share one row at the
    // minimum width with the usual system fonts.
    SendMessageW(pc_, TCM_SETPADDING, 0, MAKELPARAM(scaleForDpi(4, dpi_), scaleForDpi(5, dpi_)));
    SendMessageW(pc_, WM_SETFONT, font, TRUE);
    SendMessageW(status_, WM_SETFONT, font, TRUE);
}

int MainWindow::activePage() const { return pc_ ? static_cast<int>(SendMessageW(pc_, TCM_GETCURSEL, 0, 0)) : -1; }

void MainWindow::selectPage(int index) {
    if (!pc_ || index < 0 || index >= app::kMainPageCount) return;
    SendMessageW(pc_, TCM_SETCURSEL, index, 0);
    showSelectedPage();
}

void MainWindow::showSelectedPage() {
    const int active = activePage();
    for (int i = 0; i < app::kMainPageCount; ++i) {
        if (pages_[i] && pages_[i]->hwnd()) ShowWindow(pages_[i]->hwnd(), i == active ? SW_SHOW : SW_HIDE);
    }
}

void MainWindow::setStatusText(const std::string& text) {
    if (status_) SetWindowTextW(status_, widen(text).c_str());
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
    const int pcHeight = std::max(0, static_cast<int>(client.bottom) - statusHeight);

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
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = dpiOf(hwnd());
            return createChildren() ? 0 : -1;
        case WM_SIZE:
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
            if (wParam) setStatusText(texts_.statusText);
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == pc_ && header->code == TCN_SELCHANGE) {
                showSelectedPage();
                return 0;
            }
            break;
        }
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETNONCLIENTMETRICS) {
                applyFont();
                layout();
            }
            break;
        case WM_CLOSE:
            // Closing to the tray comes with the tray icon; until then closing quits.
            DestroyWindow(hwnd());
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
