#pragma once
// The context menu `pTalalatok` of the found files: the marking commands, the submenu
// "Aktív a következő szerint" with the current row's values, and the current row's items.
#include <windows.h>

#include "core/search/search_page_model.h"

namespace kefelo::ui {

// Opens the menu at a screen point, when the core lets it open, and runs the choice.
void showFoundFilesMenu(HWND owner, POINT at, search::SearchPageModel& model);

}  // namespace kefelo::ui
