#pragma once
// The menus of the tray icon: `pTray` with its submenu `menuitem_actions`, and the popup
// menu `pMenu` of the old tray protocol. They live as long as the main window; the main
// window acts on the chosen command.
#include <windows.h>

#include <string>

// `pTray`
#define IDM_PROGRAMRESTORE 40001
#define IDM_TRAYCLEAN 40002
#define IDM_TRAYFORMAT 40003
#define IDM_MENUELEMZES 40004
#define IDM_TRAYQUIT 40005
// `pMenu`
#define IDM_PMENU_SHOW 40011
#define IDM_PMENU_START 40012
#define IDM_PMENU_SELECT 40013
#define IDM_PMENU_CLIPBOARD 40014
#define IDM_PMENU_QUIT 40015

namespace kefelo::ui {

class TrayMenus {
public:
    TrayMenus() = default;
    TrayMenus(const TrayMenus&) = delete;
    TrayMenus& operator=(const TrayMenus&) = delete;
    ~TrayMenus();

    void build(const std::string& programTitle);
    HMENU trayMenu() const { return trayMenu_; }
    void setCleanCaption(const std::string& caption);  // menu_trayclean
    void checkRestore(bool checked);                   // menuitem_programrestore
    void enableActions(bool enabled);                  // menuitem_actions
    // `pMenu` at the mouse; its command comes to the owner as WM_COMMAND. "Vágólapról"
    // is offered only while the clipboard holds text.
    void showPopup(HWND owner, bool clipboardHasText) const;

private:
    HMENU trayMenu_ = nullptr;
    HMENU actionsMenu_ = nullptr;
    HMENU popupMenu_ = nullptr;
};

}  // namespace kefelo::ui
