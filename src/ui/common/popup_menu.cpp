#include "ui/common/popup_menu.h"

#include "platform/win32/wide.h"

namespace kefelo::ui {

PopupMenu& PopupMenu::add(UINT id, std::string_view caption, bool enabled) {
    if (menu_) {
        AppendMenuW(menu_, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, platform::win32::widen(caption).c_str());
    }
    return *this;
}

PopupMenu& PopupMenu::addChecked(UINT id, std::string_view caption, bool checked) {
    if (menu_) {
        AppendMenuW(menu_, MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED), id,
                    platform::win32::widen(caption).c_str());
    }
    return *this;
}

PopupMenu& PopupMenu::addSubmenu(std::string_view caption, PopupMenu& submenu) {
    if (menu_ && submenu.menu_ &&
        AppendMenuW(menu_, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.menu_),
                    platform::win32::widen(caption).c_str())) {
        submenu.menu_ = nullptr;
    }
    return *this;
}

PopupMenu& PopupMenu::separator() {
    if (menu_) AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    return *this;
}

UINT PopupMenu::track(HMENU menu, HWND owner, POINT at) {
    if (!menu) return 0;
    return static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
}

}  // namespace kefelo::ui
