#include "ui/app/main_page_view.h"

#include <uxtheme.h>

namespace kefelo::ui {

bool MainPageView::create(HINSTANCE instance, int templateId, HWND parent) {
    return createModeless(instance, templateId, parent) != nullptr;
}

INT_PTR MainPageView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // Themed page controls draw their body in another colour than a plain dialog.
        EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
        return FALSE;  // the page does not take the focus when it is made
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
