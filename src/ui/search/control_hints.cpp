#include "ui/search/control_hints.h"

#include "platform/win32/wide.h"

namespace kefelo::ui {

std::string controlHint(HINSTANCE instance, HWND control) {
    const int id = control ? GetDlgCtrlID(control) : 0;
    if (id <= 0) return {};
    const wchar_t* text = nullptr;
    // A zero buffer size gives the resource's own read-only text, which is not terminated.
    const int length = LoadStringW(instance, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return platform::win32::narrow(std::wstring(text, static_cast<size_t>(length)));
}

}  // namespace kefelo::ui
