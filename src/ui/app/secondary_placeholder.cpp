#include "ui/app/secondary_placeholder.h"

#include "core/config/window_placement.h"
#include "platform/win32/wide.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"KefeloSecondaryWindow";
}

bool SecondaryPlaceholder::create(HINSTANCE instance, HWND owner, const std::string& title) {
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    const std::wstring text = platform::win32::widen(title);
    const UINT dpi = dpiOf(nullptr);
    CreateArgs args;
    args.className = kClassName;
    args.title = text.c_str();
    args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    args.width = scaleForDpi(360, dpi);
    args.height = scaleForDpi(200, dpi);
    args.x = args.y = 0;
    args.parent = owner;
    return Window::create(instance, args) != nullptr;
}

void SecondaryPlaceholder::showOver(HWND owner) {
    if (!hwnd()) return;
    RECT o{}, self{};
    GetWindowRect(owner, &o);
    GetWindowRect(hwnd(), &self);
    const config::ScreenPoint at =
        config::centreOver(config::WindowBounds{o.left, o.top, o.right - o.left, o.bottom - o.top},
                           self.right - self.left, self.bottom - self.top);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    showInFront();
}

bool SecondaryPlaceholder::visible() { return hwnd() && IsWindowVisible(hwnd()); }

void SecondaryPlaceholder::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void SecondaryPlaceholder::showInFront() {
    if (!hwnd()) return;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(hwnd());
}

void SecondaryPlaceholder::showOnTopOnce() {
    if (!hwnd()) return;
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

LRESULT SecondaryPlaceholder::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing only hides: the window lives as long as the program.
    if (message == WM_CLOSE) {
        hide();
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
