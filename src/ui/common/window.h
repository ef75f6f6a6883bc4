#pragma once
// Base of the program's own windows: the object pointer lives in the window's user data
// from WM_NCCREATE to WM_NCDESTROY, and no exception ever leaves a window procedure.
#include <windows.h>

#include <string>
#include <string_view>

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

// A control made in code rather than from a dialog template.
struct ChildArgs {
    const wchar_t* className = nullptr;
    std::string_view text = {};  // UTF-8
    DWORD style = 0;             // WS_CHILD is added, and WS_VISIBLE unless `hidden`
    DWORD exStyle = 0;
    int id = 0;
    HFONT font = nullptr;  // the control keeps the system font when none is given
    bool hidden = false;
    int x = 0, y = 0, width = 10, height = 10;  // until the parent's layout places it
};

// Any window's text, as UTF-8.
std::string windowText(HWND window);

// While an Enter key is handled, its character already waits in the queue; a modal loop
// started now (a menu, a message box) would take it for a choice of its own. Takes it away.
void dropQueuedEnter(HWND window);

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

    // Makes a child control of any window; null when the system refused it.
    static HWND createChild(HWND parent, const ChildArgs& args);

protected:
    // A child control of this window.
    HWND createChild(const ChildArgs& args) const { return createChild(hwnd_, args); }

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
