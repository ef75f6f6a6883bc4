#include "ui/controls/check_list_box.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "platform/win32/wide.h"
#include "ui/common/dpi.h"
#include "ui/common/popup_menu.h"
#include "ui/common/window.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

enum : int { kMenuAll = 10, kMenuNone, kMenuInvert, kMenuMyTypes };
}  // namespace

bool CheckListBox::create(HWND parent, int id, HFONT font, Source source) {
    source_ = std::move(source);
    hwnd_ = Window::createChild(parent, {.className = L"LISTBOX",
                                         .style = WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                                         .exStyle = WS_EX_CLIENTEDGE,
                                         .id = id,
                                         .font = font});
    if (!hwnd_) return false;
    // The parent's measuring answer at creation is not ours to rely on.
    SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, scaleForDpi(16, dpiOf(parent)));
    boxHook_.attach(hwnd_, [this](HWND, UINT m, WPARAM w, LPARAM l) { return boxMessage(m, w, l); });
    parentHook_.attach(parent, [this](HWND, UINT m, WPARAM w, LPARAM l) { return parentMessage(m, w, l); });
    return true;
}

void CheckListBox::refill() {
    const config::CheckList* list = source_ ? source_() : nullptr;
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    const LRESULT top = SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0);
    SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
    if (list) {
        for (const auto& item : list->items)
            SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item.text).c_str()));
        SendMessageW(hwnd_, LB_SETCURSEL, list->hasSelection() ? list->selected : -1, 0);
    }
    SendMessageW(hwnd_, LB_SETTOPINDEX, top, 0);
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CheckListBox::toggle(int index) {
    if (index >= 0 && onToggle) onToggle(index);
}

void CheckListBox::popup(POINT at, bool rightClick) {
    if (onPopup) onPopup(at, rightClick);
}

std::optional<LRESULT> CheckListBox::boxMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            // Enter opens the selection popup instead of pressing a default button.
            if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
                reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
                return DLGC_WANTALLKEYS;
            return std::nullopt;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                dropQueuedEnter(hwnd_);  // else the popup's own loop takes it and closes at once
                POINT at{};
                GetCursorPos(&at);
                popup(at, false);
                return 0;
            }
            if (wParam == VK_SPACE) {
                toggle(static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)));
                return 0;
            }
            return std::nullopt;
        case WM_CHAR:
            if (wParam == VK_RETURN || wParam == L' ') return 0;
            return std::nullopt;
        case WM_LBUTTONDOWN: {
            // A click on the box ticks; elsewhere on the item it only selects.
            const LRESULT hit = SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, lParam);
            const int itemHeight = static_cast<int>(SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0));
            if (HIWORD(hit) == 0 && GET_X_LPARAM(lParam) < itemHeight + 2) {
                const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
                toggle(LOWORD(hit));
                return result;
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

std::optional<LRESULT> CheckListBox::parentMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.hwndItem != hwnd_) return std::nullopt;
            draw(item);
            return TRUE;
        }
        case WM_CONTEXTMENU: {
            if (reinterpret_cast<HWND>(wParam) != hwnd_) return std::nullopt;
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (at.x == -1 && at.y == -1) GetCursorPos(&at);
            popup(at, true);
            return 0;
        }
        case WM_COMMAND: {
            if (reinterpret_cast<HWND>(lParam) != hwnd_) return std::nullopt;
            if (HIWORD(wParam) == LBN_DBLCLK) {
                toggle(static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0)));
            } else if (HIWORD(wParam) == LBN_SELCHANGE) {
                if (config::CheckList* list = source_ ? source_() : nullptr)
                    list->selected = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
            }
            return 0;
        }
        default:
            return std::nullopt;
    }
}

void CheckListBox::draw(const DRAWITEMSTRUCT& item) const {
    const config::CheckList* list = source_ ? source_() : nullptr;
    if (!list || item.itemID == static_cast<UINT>(-1)) return;
    const bool ticked = item.itemID < list->items.size() && list->items[item.itemID].ticked;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const int box = r.bottom - r.top - 2;
    RECT boxRect{r.left + 1, r.top + 1, r.left + 1 + box, r.top + 1 + box};
    FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    DrawFrameControl(dc, &boxRect, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
    RECT textRect{boxRect.right + 3, r.top, r.right, r.bottom};
    FillRect(dc, &textRect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring text = item.itemID < list->items.size() ? widen(list->items[item.itemID].text) : L"";
    RECT inner = textRect;
    inner.left += 2;
    DrawTextW(dc, text.c_str(), -1, &inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &textRect);
}

bool runSelectionPopup(HWND owner, POINT at, config::TypeLists& lists, int number,
                       const std::function<void()>& openOwnTypes) {
    PopupMenu menu;
    menu.add(kMenuAll, "Mindet").add(kMenuNone, "Egyiket sem").add(kMenuInvert, "Megfordít");
    menu.separator().add(kMenuMyTypes, config::kMyTypesCaption);
    lists.openPopup(number);
    const int command = static_cast<int>(menu.track(owner, at));
    switch (command) {
        case kMenuAll:
            lists.popupCommand(config::SelectionCommand::All);
            return true;
        case kMenuNone:
            lists.popupCommand(config::SelectionCommand::None);
            return true;
        case kMenuInvert:
            lists.popupCommand(config::SelectionCommand::Invert);
            return true;
        case kMenuMyTypes:
            if (openOwnTypes) openOwnTypes();
            return true;
        default:
            return false;
    }
}

}  // namespace kefelo::ui
