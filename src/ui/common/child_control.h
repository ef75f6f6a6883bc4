#pragma once
// Small helpers for controls made and painted in code.
#include <windows.h>

namespace kefelo::ui {

inline HWND createChildControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, HFONT font,
                               DWORD exStyle = 0) {
    HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (hwnd && font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

// WM_CTLCOLORSTATIC answer for a read-only text box that should look like an editable one
// (the description boxes), so long texts stay readable on the window background.
inline INT_PTR paintAsWindow(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

}  // namespace kefelo::ui
