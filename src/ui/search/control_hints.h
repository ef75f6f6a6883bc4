#pragma once
// The long hints of the search page's controls: the string resources with the controls' ids.
#include <windows.h>

#include <string>

namespace kefelo::ui {

// Empty when the control has no hint.
std::string controlHint(HINSTANCE instance, HWND control);

}  // namespace kefelo::ui
