#include "ui/common/window.h"

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
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // A failed handler must not take the message loop down with it.
        result = DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace kefelo::ui
