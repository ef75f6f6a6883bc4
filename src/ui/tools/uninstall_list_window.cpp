#include "ui/tools/uninstall_list_window.h"
#include "ui/common/modal_loop.h"

#include <windowsx.h>

#include <string>
#include <vector>

#include "core/config/window_placement.h"
#include "platform/win32/wide.h"
#include "ui/common/popup_menu.h"
#include "ui/common/window.h"
#include "ui/common/work_area.h"
#include "ui/tools/tools_page_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::narrow;
using platform::win32::widen;

enum : UINT { kMenuOpen = 1, kMenuProperties };
}  // namespace

bool UninstallListWindow::create(HINSTANCE instance, HWND owner) {
    owner_ = owner;
    if (!createModeless(instance, IDD_UNINSTALLLIST, owner)) return false;
    list_ = GetDlgItem(hwnd(), IDC_UNINSTALLLIST_L);
    listHook_.attach(list_, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        switch (message) {
            case WM_GETDLGCODE:
                // Enter opens the menu here instead of going to the dialog.
                if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
                    reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
                    return DLGC_WANTALLKEYS;
                return std::nullopt;
            case WM_KEYDOWN: {
                if (wParam != VK_RETURN) return std::nullopt;
                dropQueuedEnter(list_);
                POINT at{};
                GetCursorPos(&at);
                popup(at);
                return 0;
            }
            case WM_CHAR:
                if (wParam == VK_RETURN) return 0;
                return std::nullopt;
            case WM_MOUSEMOVE:
                status_.showHint(std::string(tools::kUninstallListHint));
                return std::nullopt;
            case WM_RBUTTONDOWN: {
                // The item under the mouse becomes the one the menu works on.
                const LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, lParam);
                if (HIWORD(hit) == 0) {
                    SendMessageW(list_, LB_SETCURSEL, LOWORD(hit), 0);
                    selectionChanged();
                }
                return std::nullopt;
            }
            default:
                return std::nullopt;
        }
    });
    return true;
}

std::string UninstallListWindow::selectedName() const {
    const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (index < 0) return {};
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, index, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return narrow(text);
}

void UninstallListWindow::selectionChanged() {
    if (stores_) stores_->showUninstallDirectory(selectedName());
}

void UninstallListWindow::popup(POINT at) {
    if (!stores_) return;
    PopupMenu menu;
    menu.add(kMenuOpen, tools::kStoreMenuOpen).add(kMenuProperties, tools::kStoreMenuProperties);
    const UINT chosen = menu.track(hwnd(), at);
    if (chosen == kMenuOpen || chosen == kMenuProperties)
        stores_->openUninstallDirectory(selectedName(), chosen == kMenuProperties);
}

void UninstallListWindow::showModal(HWND over, tools::SystemStores& stores) {
    if (!hwnd() || running_) return;
    stores_ = &stores;
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : stores.uninstallDirectoryNames())
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    SendMessageW(list_, LB_SETCURSEL, 0, 0);

    RECT o{}, self{};
    GetWindowRect(over, &o);
    GetWindowRect(hwnd(), &self);
    const config::ScreenPoint at =
        config::centreOver(config::WindowBounds{o.left, o.top, o.right - o.left, o.bottom - o.top},
                           self.right - self.left, self.bottom - self.top);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    running_ = true;
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(list_);
    runModalLoop(hwnd(), running_, [&](WPARAM key) {
        if (key != VK_ESCAPE) return false;
        close();
        return true;
    });
    running_ = false;
    status_.setStatusText("");
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (owner_) SetActiveWindow(owner_);
    stores_ = nullptr;
}

bool UninstallListWindow::visible() { return hwnd() && IsWindowVisible(hwnd()); }

void UninstallListWindow::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void UninstallListWindow::showInFront() { showWindowInFront(hwnd()); }

INT_PTR UninstallListWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            close();
            return TRUE;
        case WM_CONTEXTMENU: {
            if (reinterpret_cast<HWND>(wParam) != list_) break;
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (at.x == -1 && at.y == -1) GetCursorPos(&at);
            popup(at);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_UNINSTALLLIST_L && HIWORD(wParam) == LBN_SELCHANGE) {
                selectionChanged();
            } else if (LOWORD(wParam) == IDCANCEL) {
                close();
            }
            return TRUE;
        default:
            break;
    }
    return Dialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
