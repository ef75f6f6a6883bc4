#pragma once
// Per-monitor DPI: the functions exist only on newer systems, so they are looked up at
// run time and fall back to the system DPI.
#include <windows.h>

#include "ui/common/gdi.h"

namespace kefelo::ui {

UINT dpiOf(HWND hwnd);
inline int scaleForDpi(int pixelsAt96, UINT dpi) { return MulDiv(pixelsAt96, static_cast<int>(dpi), 96); }

// The system's message-box font (Tahoma, Segoe UI, ...) at the given DPI.
UniqueFont createMessageFont(UINT dpi);

}  // namespace kefelo::ui
