#include "ui/app/tray_menus.h"

#include "platform/win32/wide.h"

namespace kefelo::ui {
namespace {
constexpr int kActionsMenuPosition = 1;
}  // namespace

TrayMenus::~TrayMenus() {
    if (trayMenu_) DestroyMenu(trayMenu_);
    if (popupMenu_) DestroyMenu(popupMenu_);
}

void TrayMenus::build(const std::string& programTitle) {
    const std::wstring title = platform::win32::widen(programTitle);
    actionsMenu_ = CreatePopupMenu();
    AppendMenuW(actionsMenu_, MF_STRING, IDM_TRAYCLEAN, L"Takarítás");
    AppendMenuW(actionsMenu_, MF_STRING, IDM_TRAYFORMAT, L"Kislemez formázása");
    AppendMenuW(actionsMenu_, MF_STRING, IDM_MENUELEMZES, L"Lemezelemző táblázat megnyitása");
    trayMenu_ = CreatePopupMenu();
    AppendMenuW(trayMenu_, MF_STRING, IDM_PROGRAMRESTORE, title.c_str());
    AppendMenuW(trayMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(actionsMenu_), L"Műveletek");
    AppendMenuW(trayMenu_, MF_STRING, IDM_TRAYQUIT, L"Kilépés");

    HMENU newFolder = CreatePopupMenu();
    AppendMenuW(newFolder, MF_STRING, IDM_PMENU_SELECT, L"Kiválasztás");
    AppendMenuW(newFolder, MF_STRING, IDM_PMENU_CLIPBOARD, L"Vágólapról");
    popupMenu_ = CreatePopupMenu();
    AppendMenuW(popupMenu_, MF_STRING, IDM_PMENU_SHOW, L"Kefeló v2.5");
    AppendMenuW(popupMenu_, MF_STRING, IDM_PMENU_START, L"Indítás");
    AppendMenuW(popupMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(newFolder), L"Új könyvtár felvétele");
    AppendMenuW(popupMenu_, MF_STRING, IDM_PMENU_QUIT, L"Kilépés");
}

void TrayMenus::setCleanCaption(const std::string& caption) {
    const std::wstring text = platform::win32::widen(caption);
    ModifyMenuW(actionsMenu_, IDM_TRAYCLEAN, MF_BYCOMMAND | MF_STRING, IDM_TRAYCLEAN, text.c_str());
}

void TrayMenus::checkRestore(bool checked) {
    CheckMenuItem(trayMenu_, IDM_PROGRAMRESTORE, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TrayMenus::enableActions(bool enabled) {
    EnableMenuItem(trayMenu_, kActionsMenuPosition, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TrayMenus::showPopup(HWND owner, bool clipboardHasText) const {
    EnableMenuItem(popupMenu_, IDM_PMENU_CLIPBOARD, MF_BYCOMMAND | (clipboardHasText ? MF_ENABLED : MF_GRAYED));
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(owner);
    TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace kefelo::ui
