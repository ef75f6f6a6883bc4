#include "ui/containers/task_editor_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "platform/win32/wide.h"
#include "ui/cleaning/cleaning_page_ids.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
using containers::TaskEditorKind;
using containers::TaskGroup;
using platform::win32::narrow;
using platform::win32::widen;

constexpr wchar_t kClassName[] = L"KefeloTaskEditor";
constexpr UINT kPlaceMessage = WM_APP + 41;

enum : int {
    kIdCategories = 1,
    kIdTypes,
    kIdLocation,
    kIdStore,
    kIdCancel,
    kMenuAll = 10,
    kMenuNone,
    kMenuInvert,
    kMenuMyTypes,
    kMenuPathSelect = 20,
    kMenuPathFromClipboard,
    kMenuPathOpen,
};

// The task group and everything inside it; the editors take their place.
constexpr int kTaskGroupControls[] = {IDC_GROUP_PROJECTS, IDC_LIST_PROJECTS, IDC_BUTTON_NEWPROJECT,
                                      IDC_BUTTON_PROJECTMODIFY, IDC_BUTTON_PROJECTREMOVE};

std::optional<std::string> clipboardText(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

HWND child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, HFONT font, DWORD exStyle = 0) {
    HWND hwnd = CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (hwnd && font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}
}  // namespace

bool TaskEditorView::create(HINSTANCE instance, HWND listsDialog) {
    parent_ = listsDialog;
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    CreateArgs args;
    args.className = kClassName;
    args.style = WS_CHILD | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.x = args.y = 0;
    args.width = args.height = 10;
    args.parent = listsDialog;
    if (!Window::create(instance, args)) return false;

    font_ = reinterpret_cast<HFONT>(SendMessageW(listsDialog, WM_GETFONT, 0, 0));
    group_ = child(hwnd(), L"BUTTON", L"", BS_GROUPBOX, 0, font_);
    const DWORD listStyle =
        WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    categories_ = child(hwnd(), L"LISTBOX", L"", listStyle, kIdCategories, font_, WS_EX_CLIENTEDGE);
    types_ = child(hwnd(), L"LISTBOX", L"", listStyle, kIdTypes, font_, WS_EX_CLIENTEDGE);
    location_ = child(hwnd(), L"STATIC", L"", SS_NOTIFY | SS_CENTERIMAGE | SS_PATHELLIPSIS, kIdLocation, font_,
                      WS_EX_CLIENTEDGE);
    storeButton_ = child(hwnd(), L"BUTTON", L"Felvétel", WS_TABSTOP | BS_PUSHBUTTON, kIdStore, font_);
    cancelButton_ = child(hwnd(), L"BUTTON", L"Mégse", WS_TABSTOP | BS_PUSHBUTTON, kIdCancel, font_);

    auto listHook = [this](int id) {
        return [this, id](HWND h, UINT m, WPARAM w, LPARAM l) {
            return listMessage(id == kIdCategories ? categoryNumber() : typeNumber(), h, m, w, l);
        };
    };
    categoriesHook_.attach(categories_, listHook(kIdCategories));
    typesHook_.attach(types_, listHook(kIdTypes));
    locationHook_.attach(location_, [this](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MOUSEMOVE && hint) hint(containers::kLocationPanelHint);
        return std::nullopt;
    });
    // The lists dialog lays its controls out again on every resize; follow the task group.
    parentHook_.attach(listsDialog, [this](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SIZE) PostMessageW(hwnd(), kPlaceMessage, 0, 0);
        return std::nullopt;
    });
    return true;
}

int TaskEditorView::categoryNumber() const {
    return modify() ? config::list_number::kModifyTaskCategories : config::list_number::kNewTaskCategories;
}

int TaskEditorView::typeNumber() const {
    return modify() ? config::list_number::kModifyTaskTypes : config::list_number::kNewTaskTypes;
}

int TaskEditorView::numberOf(HWND listBox) const {
    if (listBox == categories_) return categoryNumber();
    if (listBox == types_) return typeNumber();
    return 0;
}

void TaskEditorView::showTaskGroup(bool show) {
    for (int id : kTaskGroupControls)
        if (HWND control = GetDlgItem(parent_, id)) ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

void TaskEditorView::placeOverTaskGroup() {
    RECT area{};
    bool any = false;
    for (int id : kTaskGroupControls) {
        HWND control = GetDlgItem(parent_, id);
        if (!control) continue;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
        if (!any) {
            area = r;
            any = true;
        } else {
            UnionRect(&area, &area, &r);
        }
    }
    if (!any) return;
    SetWindowPos(hwnd(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
    layout();
}

void TaskEditorView::layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const UINT dpi = dpiOf(hwnd());
    auto px = [dpi](int v) { return scaleForDpi(v, dpi); };
    const int w = client.right, h = client.bottom;
    const int gap = px(8), top = px(18), buttonW = px(75), buttonH = px(25);
    MoveWindow(group_, 0, 0, w, h, TRUE);
    const int listsH = h - top - gap - buttonH - gap;
    const int inner = w - 3 * gap;
    const int categoriesW = inner * 3 / 5;
    MoveWindow(categories_, gap, top, categoriesW, listsH, TRUE);
    MoveWindow(types_, 2 * gap + categoriesW, top, inner - categoriesW, listsH, TRUE);
    const int rowY = h - gap - buttonH;
    MoveWindow(cancelButton_, w - gap - buttonW, rowY, buttonW, buttonH, TRUE);
    MoveWindow(storeButton_, w - 2 * gap - 2 * buttonW, rowY, buttonW, buttonH, TRUE);
    MoveWindow(location_, gap, rowY, w - 4 * gap - 2 * buttonW, buttonH, TRUE);
}

void TaskEditorView::refresh() {
    if (!hwnd()) return;
    if (editors_.shown == TaskGroup::List) {
        const bool hadFocus = IsChild(hwnd(), GetFocus());
        ShowWindow(hwnd(), SW_HIDE);
        showTaskGroup(true);
        if (hadFocus)
            if (HWND grid = GetDlgItem(parent_, IDC_LIST_PROJECTS)) SetFocus(grid);
        return;
    }
    SetWindowTextW(
        group_, modify() ? L"  F e l a d a t   m ó d o s í t á s a  " : L"  Ú j   f e l a d a t   r ö g z í t é s e  ");
    SetWindowTextW(storeButton_, modify() ? L"Módosít" : L"Felvétel");
    const std::string& location = editors_.panel(modify() ? TaskEditorKind::Modify : TaskEditorKind::New);
    SetWindowTextW(location_, widen(location).c_str());
    fillLists();
    placeOverTaskGroup();
    showTaskGroup(false);
    ShowWindow(hwnd(), SW_SHOW);
    if (editors_.focusCategoryList) {
        editors_.focusCategoryList = false;
        SetFocus(categories_);
    }
}

void TaskEditorView::fill(HWND listBox, const config::CheckList& list) {
    SendMessageW(listBox, WM_SETREDRAW, FALSE, 0);
    const LRESULT top = SendMessageW(listBox, LB_GETTOPINDEX, 0, 0);
    SendMessageW(listBox, LB_RESETCONTENT, 0, 0);
    for (const auto& item : list.items)
        SendMessageW(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item.text).c_str()));
    SendMessageW(listBox, LB_SETCURSEL, list.hasSelection() ? list.selected : -1, 0);
    SendMessageW(listBox, LB_SETTOPINDEX, top, 0);
    SendMessageW(listBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(listBox, nullptr, TRUE);
}

void TaskEditorView::fillLists() {
    fill(categories_, *lists_.list(categoryNumber()));
    fill(types_, *lists_.list(typeNumber()));
}

void TaskEditorView::toggle(int number, int index) {
    config::CheckList* list = lists_.list(number);
    if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return;
    list->selected = index;
    list->items[index].ticked = !list->items[index].ticked;
    lists_.clickCheck(number);
    fillLists();
}

void TaskEditorView::popup(int number, POINT at) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kMenuAll, L"Mindet");
    AppendMenuW(menu, MF_STRING, kMenuNone, L"Egyiket sem");
    AppendMenuW(menu, MF_STRING, kMenuInvert, L"Megfordít");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kMenuMyTypes, L"Saját típusaim");
    lists_.openPopup(number);
    const int command =
        static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr));
    DestroyMenu(menu);
    switch (command) {
        case kMenuAll:
            lists_.popupCommand(config::SelectionCommand::All);
            break;
        case kMenuNone:
            lists_.popupCommand(config::SelectionCommand::None);
            break;
        case kMenuInvert:
            lists_.popupCommand(config::SelectionCommand::Invert);
            break;
        case kMenuMyTypes:
            if (openOwnTypes) openOwnTypes();
            break;
        default:
            return;
    }
    fillLists();
}

void TaskEditorView::locationMenu() {
    const TaskEditorKind kind = modify() ? TaskEditorKind::Modify : TaskEditorKind::New;
    const std::optional<std::string> clipboard = clipboardText(hwnd());
    const containers::LocationMenuState state = editors_.pUjFeladatHelyPopup(clipboard);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kMenuPathSelect, L"Hely megadása");
    AppendMenuW(menu, MF_STRING | (state.fromClipboardEnabled ? 0 : MF_GRAYED), kMenuPathFromClipboard,
                widen(state.fromClipboardCaption).c_str());
    AppendMenuW(menu, MF_STRING, kMenuPathOpen, L"Hely megnyitása");
    POINT at{};
    GetCursorPos(&at);
    const int command = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x - 60, at.y - 10, 0, hwnd(), nullptr));
    DestroyMenu(menu);
    if (command == kMenuPathSelect) editors_.menuitem_projectpathselectClick(kind);
    if (command == kMenuPathFromClipboard) editors_.menuitem_projectpathfromclipboardClick(kind, clipboard);
    if (command == kMenuPathOpen) editors_.menuitem_projectpathopenClick(kind);
    SetWindowTextW(location_, widen(editors_.panel(kind)).c_str());
}

void TaskEditorView::store() {
    const bool stored = modify() ? editors_.button_projectmodifyRunClick() : editors_.button_projectnewrunClick();
    if (stored && onStored) onStored();
    refresh();
}

void TaskEditorView::cancel() {
    if (modify())
        editors_.button_projectmodifyCancelClick();
    else
        editors_.button_projectnewcancelClick();
    refresh();
}

std::optional<LRESULT> TaskEditorView::listMessage(int number, HWND listBox, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            // Enter opens the selection popup instead of pressing a default button.
            if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
                reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
                return DLGC_WANTALLKEYS;
            return std::nullopt;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                POINT at{};
                GetCursorPos(&at);
                popup(number, at);
                return 0;
            }
            if (wParam == VK_SPACE) {
                toggle(number, static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)));
                return 0;
            }
            return std::nullopt;
        case WM_CHAR:
            if (wParam == VK_RETURN || wParam == L' ') return 0;
            return std::nullopt;
        case WM_LBUTTONDOWN: {
            // A click on the box ticks; elsewhere on the item it only selects.
            const LRESULT hit = SendMessageW(listBox, LB_ITEMFROMPOINT, 0, lParam);
            const int itemHeight = static_cast<int>(SendMessageW(listBox, LB_GETITEMHEIGHT, 0, 0));
            if (HIWORD(hit) == 0 && GET_X_LPARAM(lParam) < itemHeight + 2) {
                const LRESULT result = DefSubclassProc(listBox, message, wParam, lParam);
                toggle(number, LOWORD(hit));
                return result;
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

void TaskEditorView::drawItem(const DRAWITEMSTRUCT& item) {
    const config::CheckList* list = lists_.list(numberOf(item.hwndItem));
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

LRESULT TaskEditorView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kPlaceMessage:
            if (IsWindowVisible(hwnd())) placeOverTaskGroup();
            return 0;
        case WM_SIZE:
            layout();
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            measure->itemHeight = static_cast<UINT>(scaleForDpi(16, dpiOf(hwnd())));
            return TRUE;
        }
        case WM_DRAWITEM:
            drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CONTEXTMENU: {
            const int number = numberOf(reinterpret_cast<HWND>(wParam));
            if (number && lists_.rightClick(number)) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (at.x == -1 && at.y == -1) GetCursorPos(&at);
                popup(number, at);
            }
            return 0;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if ((id == kIdCategories || id == kIdTypes) && code == LBN_DBLCLK) {
                HWND listBox = reinterpret_cast<HWND>(lParam);
                toggle(numberOf(listBox), static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0)));
            } else if ((id == kIdCategories || id == kIdTypes) && code == LBN_SELCHANGE) {
                HWND listBox = reinterpret_cast<HWND>(lParam);
                if (config::CheckList* list = lists_.list(numberOf(listBox)))
                    list->selected = static_cast<int>(SendMessageW(listBox, LB_GETCURSEL, 0, 0));
            } else if (id == kIdLocation && code == STN_CLICKED) {
                locationMenu();
            } else if (id == kIdStore && code == BN_CLICKED) {
                store();
            } else if (id == kIdCancel && code == BN_CLICKED) {
                cancel();
            }
            return 0;
        }
        case WM_MOUSEMOVE:
            if (hint) hint("");
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
