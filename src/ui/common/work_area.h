#pragma once
// What every secondary window does with its place: it stays inside the desktop's work
// area while it is moved, and it comes back in front.
#include <windows.h>

namespace kefelo::ui {

// For WM_WINDOWPOSCHANGING: the new place, pulled back inside the work area.
void keepWindowInWorkArea(HWND window, WINDOWPOS& position);
// Visible, in front and focused.
void showWindowInFront(HWND window);

}  // namespace kefelo::ui
