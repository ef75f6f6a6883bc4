#include "ui/app/application_window.h"

#include "platform/win32/wide.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"TApplication";
}

bool ApplicationWindow::create(HINSTANCE instance, const std::string& title, HICON icon, HICON smallIcon) {
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.icon = icon;
    wc.smallIcon = smallIcon;
    if (!registerClass(instance, wc)) return false;
    const std::wstring text = platform::win32::widen(title);
    CreateArgs args;
    args.className = kClassName;
    args.title = text.c_str();
    args.style = WS_POPUP | WS_CLIPSIBLINGS;
    args.x = GetSystemMetrics(SM_CXSCREEN) / 2;
    args.y = GetSystemMetrics(SM_CYSCREEN) / 2;
    args.width = 0;
    args.height = 0;
    return Window::create(instance, args) != nullptr;
}

void ApplicationWindow::setTitle(const std::string& title) {
    if (hwnd()) SetWindowTextW(hwnd(), platform::win32::widen(title).c_str());
}

void ApplicationWindow::hideFromTaskbar() {
    if (!hwnd()) return;
    ShowWindow(hwnd(), SW_HIDE);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

void ApplicationWindow::restoreAndFront() {
    if (!hwnd()) return;
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    HWND last = GetLastActivePopup(hwnd());
    if (last && IsWindowVisible(last)) SetForegroundWindow(last);
}

LRESULT ApplicationWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The program ends through its quit routine, never by closing this window.
    if (message == WM_CLOSE) return 0;
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
