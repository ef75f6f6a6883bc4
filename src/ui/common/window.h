#pragma once
// Base of the program's own windows: the object pointer lives in the window's user data
// from WM_NCCREATE to WM_NCDESTROY, and no exception ever leaves a window procedure.
#include <windows.h>

namespace kefelo::ui {

struct WindowClassArgs {
    const wchar_t* className = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;  // the arrow when null
    HBRUSH background = nullptr;
    UINT style = CS_HREDRAW | CS_VREDRAW;
};

struct CreateArgs {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menu = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class for this instance once; later calls are no-ops.
    static bool registerClass(HINSTANCE instance, const WindowClassArgs& args);
    HWND create(HINSTANCE instance, const CreateArgs& args);

    // Everything not handled goes to DefWindowProc.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace kefelo::ui
