#include "ui/common/window.h"

#include <string>

#include "platform/win32/wide.h"
#include "ui/common/window_faults.h"

namespace kefelo::ui {

Window::~Window() {
    if (hwnd_) {
        // The object goes first: the window must not call back into it while it dies.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::registerClass(HINSTANCE instance, const WindowClassArgs& args) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, args.className, &existing)) return true;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = args.style;
    wc.lpfnWndProc = &Window::windowProc;
    wc.hInstance = instance;
    wc.hIcon = args.icon;
    wc.hIconSm = args.smallIcon;
    wc.hCursor = args.cursor ? args.cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = args.background;
    wc.lpszClassName = args.className;
    return RegisterClassExW(&wc) != 0;
}

HWND Window::create(HINSTANCE instance, const CreateArgs& args) {
    return CreateWindowExW(args.exStyle, args.className, args.title, args.style, args.x, args.y, args.width,
                           args.height, args.parent, args.menu, instance, this);
}

HWND Window::createChild(HWND parent, const ChildArgs& args) {
    const DWORD style = WS_CHILD | (args.hidden ? 0 : WS_VISIBLE) | args.style;
    auto instance = parent ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)) : nullptr;
    HWND child =
        CreateWindowExW(args.exStyle, args.className, platform::win32::widen(args.text).c_str(), style, args.x, args.y,
                        args.width, args.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                        instance ? instance : GetModuleHandleW(nullptr), nullptr);
    if (child && args.font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), FALSE);
    return child;
}

std::string windowText(HWND window) {
    const int length = window ? GetWindowTextLengthW(window) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(window ? static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)) : 0);
    return platform::win32::narrow(text);
}

void dropQueuedEnter(HWND window) {
    MSG pending;
    if (PeekMessageW(&pending, window, WM_CHAR, WM_CHAR, PM_NOREMOVE) && pending.wParam == VK_RETURN)
        PeekMessageW(&pending, window, WM_CHAR, WM_CHAR, PM_REMOVE);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    std::string fault;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // A failed handler must not take the message loop down with it, nor go unseen.
        fault = currentFaultText();
    }
    if (!fault.empty()) {
        reportWindowFault(hwnd, message, wParam, lParam, fault);
        result = DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace kefelo::ui
