#include "ui/app/splash_window.h"

#include <commctrl.h>

#include "core/app/program_texts.h"
#include "platform/win32/wide.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"TfrmBetoltes";
constexpr int kCancelId = 1;
// The designed box and the strip of the automatic modes, at 96 dpi.
constexpr int kBoxWidth = 380, kBoxHeight = 64;
constexpr int kStripWidth = 415, kStripHeight = 45;
constexpr int kButtonWidth = 70;

using platform::win32::widen;
}  // namespace

int SplashWindow::scaled(int pixels) const { return scaleForDpi(pixels, dpi_); }

bool SplashWindow::create(HINSTANCE instance) {
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    dpi_ = dpiOf(nullptr);
    const std::wstring caption = widen(app::kSplashCaption);
    CreateArgs args;
    args.className = kClassName;
    args.title = caption.c_str();
    args.style = WS_POPUP | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    args.width = scaled(kBoxWidth);
    args.height = scaled(kBoxHeight);
    args.x = (GetSystemMetrics(SM_CXSCREEN) - args.width) / 2;
    args.y = (GetSystemMetrics(SM_CYSCREEN) - args.height) / 2;
    if (!Window::create(instance, args)) return false;

    LOGFONTW lf{};
    lf.lfHeight = -scaled(12);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, L"Arial", LF_FACESIZE);
    font_.reset(CreateFontIndirectW(&lf));

    cancel_ = createChild({.className = L"BUTTON",
                           .text = app::kSplashCancelCaption,
                           .style = BS_OWNERDRAW,
                           .id = kCancelId,
                           .font = font_.get(),
                           .hidden = true,
                           .width = 0,
                           .height = 0});
    cancelButton_.attach(cancel_);

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance, nullptr);
    status_ = widen(app::kSplashLoadingText);
    layout();
    return true;
}

void SplashWindow::setStatusText(const std::string& text) {
    status_ = widen(text);
    if (hwnd()) {
        InvalidateRect(hwnd(), &statusPanel_, TRUE);
        UpdateWindow(hwnd());
    }
}

void SplashWindow::setAutoSearchText(const std::string& text, const std::string& hint) {
    autoSearch_ = widen(text);
    autoSearchHint_ = widen(hint);
    if (!hwnd()) return;
    if (tooltip_) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = hwnd();
        tool.uId = 1;
        tool.rect = autoSearchPanel_;
        tool.lpszText = autoSearchHint_.data();
        SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        if (!autoSearchHint_.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    InvalidateRect(hwnd(), &autoSearchPanel_, TRUE);
}

void SplashWindow::showCentred() {
    if (!hwnd()) return;
    ShowWindow(cancel_, SW_HIDE);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(hwnd());
}

void SplashWindow::makeStrip(const std::string& text) {
    if (!hwnd()) return;
    strip_ = true;
    status_ = widen(text);
    const int width = scaled(kStripWidth);
    const int height = scaled(kStripHeight);
    const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    SetWindowPos(hwnd(), HWND_TOPMOST, left, 0, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    layout();
    ShowWindow(cancel_, SW_SHOW);
    InvalidateRect(hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd());
}

void SplashWindow::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void SplashWindow::layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int margin = scaled(2);
    if (!strip_) {
        statusPanel_ = {margin, margin, client.right - margin, client.bottom - margin};
        autoSearchPanel_ = {};
        return;
    }
    // Status on top, the path panel along the bottom, the button at the right.
    const int buttonWidth = scaled(kButtonWidth);
    const int textRight = client.right - buttonWidth - 2 * margin;
    const int half = client.bottom / 2;
    statusPanel_ = {margin, margin, textRight, half};
    autoSearchPanel_ = {margin, half, textRight, client.bottom - margin};
    MoveWindow(cancel_, textRight + margin, margin + scaled(4), buttonWidth - margin,
               client.bottom - 2 * margin - scaled(8), TRUE);
}

void SplashWindow::paint(HDC dc) {
    const SelectScope selectFont(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT panel = statusPanel_;
    DrawEdge(dc, &panel, BDR_RAISEDINNER, BF_RECT);
    DrawTextW(dc, status_.c_str(), -1, &panel, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    if (strip_) {
        RECT path = autoSearchPanel_;
        DrawEdge(dc, &path, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&path, -scaled(3), 0);
        DrawTextW(dc, autoSearch_.c_str(), -1, &path, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_PATH_ELLIPSIS);
    }
}

LRESULT SplashWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope scope(hwnd());
            paint(scope.dc());
            return 0;
        }
        case WM_SIZE:
            layout();
            return 0;
        case WM_LBUTTONDOWN:
            // No title bar: the panels drag the window.
            ReleaseCapture();
            SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4) return 0;  // Alt+F4 does not close the splash
            break;
        case WM_CLOSE:
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == kCancelId) {
                cancelButton_.draw(*item);
                return TRUE;
            }
            break;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kCancelId && HIWORD(wParam) == BN_CLICKED) {
                setStatusText(app::kSplashCancellingText);
                if (onCancel) onCancel();
                return 0;
            }
            break;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

bool Splash::create(HINSTANCE instance, std::function<void()> onCancel) {
    retired_.reset();
    splash_ = std::make_unique<SplashWindow>();
    splash_->onCancel = std::move(onCancel);
    return splash_->create(instance);
}

void Splash::setSplashText(const std::string& text) {
    if (splash_) splash_->setStatusText(text);
}

void Splash::setSplashPath(const std::string& label, const std::string& hint) {
    if (splash_) splash_->setAutoSearchText(label, hint);
}

void Splash::hideSplash() {
    if (!splash_) return;
    splash_->hide();
    retired_ = std::move(splash_);
}

}  // namespace kefelo::ui
