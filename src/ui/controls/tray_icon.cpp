#include "ui/controls/tray_icon.h"

#include "platform/win32/wide.h"
#include "ui/common/popup_menu.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"KefeloTrayWindow";
constexpr UINT kCallbackMessage = WM_APP + 1;
constexpr UINT kIconId = 1;
constexpr UINT_PTR kBalloonTimer = 1;

template <size_t N>
void copyText(wchar_t (&target)[N], const std::string& text) {
    const std::wstring wide = platform::win32::widen(text);
    lstrcpynW(target, wide.c_str(), static_cast<int>(N));
}
}  // namespace

TrayIcon::~TrayIcon() { remove(); }

bool TrayIcon::create(HINSTANCE instance, HICON icon) {
    icon_ = icon;
    WindowClassArgs wc;
    wc.className = kClassName;
    if (!registerClass(instance, wc)) return false;
    CreateArgs args;
    args.className = kClassName;
    args.style = WS_POPUP;
    args.x = args.y = args.width = args.height = 0;
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    return Window::create(instance, args) != nullptr;
}

NOTIFYICONDATAW TrayIcon::baseData(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd();
    data.uID = kIconId;
    data.uFlags = flags;
    return data;
}

void TrayIcon::add() {
    NOTIFYICONDATAW data = baseData(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    copyText(data.szTip, hint_);
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TrayIcon::remove() {
    if (!hwnd()) return;
    // A balloon goes with its icon: it neither times out nor is clicked any more.
    if (balloonPending_) {
        balloonPending_ = false;
        KillTimer(hwnd(), kBalloonTimer);
    }
    if (!added_) return;
    NOTIFYICONDATAW data = baseData(0);
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
}

void TrayIcon::setHint(const std::string& hint) {
    hint_ = hint;
    if (!added_) return;
    NOTIFYICONDATAW data = baseData(NIF_TIP);
    copyText(data.szTip, hint_);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIcon::setVisible(bool visible) {
    if (visible && !added_) add();
    if (!visible) remove();
}

void TrayIcon::showBalloon(const std::string& title, const std::string& text, BalloonIcon icon, UINT timeoutMs) {
    if (!hwnd()) return;
    if (added_) {
        NOTIFYICONDATAW data = baseData(NIF_INFO);
        copyText(data.szInfoTitle, title);
        copyText(data.szInfo, text);
        data.uTimeout = timeoutMs;
        data.dwInfoFlags = icon == BalloonIcon::Warning ? NIIF_WARNING : NIIF_INFO;
        Shell_NotifyIconW(NIM_MODIFY, &data);
    }
    // A balloon that never shows (no tray at all) still times out.
    balloonPending_ = true;
    SetTimer(hwnd(), kBalloonTimer, timeoutMs, nullptr);
}

void TrayIcon::hideBalloon() {
    if (added_) {
        NOTIFYICONDATAW data = baseData(NIF_INFO);
        Shell_NotifyIconW(NIM_MODIFY, &data);
    }
    endBalloon(onBalloonHide);
}

void TrayIcon::endBalloon(const std::function<void()>& event) {
    if (!balloonPending_) return;
    balloonPending_ = false;
    KillTimer(hwnd(), kBalloonTimer);
    if (event) event();
}

UINT TrayIcon::trackMenu(HMENU menu) {
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd());
    const UINT command = PopupMenu::track(menu, hwnd(), at);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
    return command;
}

LRESULT TrayIcon::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage) {
        switch (LOWORD(lParam)) {
            case WM_LBUTTONUP:
                if (onClick) onClick();
                break;
            case WM_RBUTTONUP:
                if (onMenu) onMenu();
                break;
            case NIN_BALLOONUSERCLICK:
                endBalloon(onBalloonClick);
                break;
            case NIN_BALLOONTIMEOUT:
                endBalloon(onBalloonTimeout);
                break;
            case NIN_BALLOONHIDE:
                // Hidden before its time (replaced, or the icon went away): the time-out
                // still comes from the timer.
                if (onBalloonHide) onBalloonHide();
                break;
            default:
                break;
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kBalloonTimer) {
        endBalloon(onBalloonTimeout);
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // The shell restarted: the icon has to be added again.
        if (added_) {
            added_ = false;
            add();
        }
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
