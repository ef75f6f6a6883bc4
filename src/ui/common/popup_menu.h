#pragma once
// A popup menu built for one showing: made empty, filled, shown at a point, and destroyed
// with the object. The caller acts on the returned choice, so no command message is sent.
#include <windows.h>

#include <string_view>

namespace kefelo::ui {

class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_) DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    explicit operator bool() const { return menu_ != nullptr; }

    // The caption is UTF-8; "&" marks the mnemonic ("&&" shows one "&").
    PopupMenu& add(UINT id, std::string_view caption, bool enabled = true);
    PopupMenu& addChecked(UINT id, std::string_view caption, bool checked);
    PopupMenu& separator();
    // The submenu becomes part of this menu and goes with it; `submenu` is left empty.
    PopupMenu& addSubmenu(std::string_view caption, PopupMenu& submenu);

    // Shows the menu with its top-left corner at a screen point and waits for the choice:
    // the chosen item's id, or 0 when the menu was dismissed.
    UINT track(HWND owner, POINT at) const { return track(menu_, owner, at); }
    // The same for a menu that someone else owns.
    static UINT track(HMENU menu, HWND owner, POINT at);

private:
    HMENU menu_;
};

}  // namespace kefelo::ui
