#pragma once
// The message loop of a window shown modally over its owner.
#include <windows.h>

#include <functional>

namespace kefelo::ui {

// Runs messages until `running` turns false, or until the program is asked to quit (the
// WM_QUIT is posted again for the main loop). `onKey` sees each key-down meant for the
// window or one of its controls first; true means it took the key. Dialog keys (Tab,
// arrows, default button) work as in a dialog.
void runModalLoop(HWND window, const bool& running, const std::function<bool(WPARAM key)>& onKey);

}  // namespace kefelo::ui
