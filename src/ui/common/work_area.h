#pragma once
// What every secondary window does with its place: it stays inside the desktop's work
// area while it is moved, and it comes back in front.
#include <windows.h>

#include "core/config/window_placement.h"

namespace kefelo::ui {

// For WM_WINDOWPOSCHANGING: the new place, pulled back inside the work area.
void keepWindowInWorkArea(HWND window, WINDOWPOS& position);
// A stored place put back: `stored` is in workspace coordinates (those of
// GetWindowPlacement, measured from the work area, so a taskbar at the top or left does
// not shift it), at least the minimum size, and centred on the primary work area when no
// monitor would show any of it. The window keeps its visibility.
void restoreWindowPlacement(HWND window, const config::WindowBounds& stored, int minWidth, int minHeight);
// Visible, in front and focused.
void showWindowInFront(HWND window);

}  // namespace kefelo::ui
