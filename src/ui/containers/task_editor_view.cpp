#include "ui/containers/task_editor_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string_view>
#include <vector>

#include "platform/win32/wide.h"
#include "ui/cleaning/cleaning_page_ids.h"
#include "ui/common/dpi.h"
#include "ui/common/popup_menu.h"

namespace kefelo::ui {
namespace {
using containers::TaskEditorKind;
using containers::TaskGroup;
using platform::win32::widen;

constexpr wchar_t kClassName[] = L"KefeloTaskEditor";
constexpr UINT kPlaceMessage = WM_APP + 41;

enum : int {
    kIdCategories = 1,
    kIdTypes,
    kIdLocation,
    kIdStore,
    kIdCancel,
    kMenuPathSelect = 20,
    kMenuPathFromClipboard,
    kMenuPathOpen,
};

// The task group and everything inside it; the editors take their place.
constexpr int kTaskGroupControls[] = {IDC_GROUP_PROJECTS, IDC_LIST_PROJECTS, IDC_BUTTON_NEWPROJECT,
                                      IDC_BUTTON_PROJECTMODIFY, IDC_BUTTON_PROJECTREMOVE};

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
    group_ = createChild({.className = L"BUTTON", .style = BS_GROUPBOX, .font = font_});
    if (!categories_.create(hwnd(), kIdCategories, font_, [this] { return lists_.list(categoryNumber()); }) ||
        !types_.create(hwnd(), kIdTypes, font_, [this] { return lists_.list(typeNumber()); }))
        return false;
    categories_.onToggle = [this](int index) { toggle(categoryNumber(), index); };
    types_.onToggle = [this](int index) { toggle(typeNumber(), index); };
    categories_.onPopup = [this](POINT at, bool rightClick) { popup(categoryNumber(), at, rightClick); };
    types_.onPopup = [this](POINT at, bool rightClick) { popup(typeNumber(), at, rightClick); };
    location_ = createChild({.className = L"STATIC",
                             .style = SS_NOTIFY | SS_CENTERIMAGE | SS_PATHELLIPSIS,
                             .exStyle = WS_EX_CLIENTEDGE,
                             .id = kIdLocation,
                             .font = font_});
    const auto button = [this](std::string_view text, int id) {
        return createChild(
            {.className = L"BUTTON", .text = text, .style = WS_TABSTOP | BS_PUSHBUTTON, .id = id, .font = font_});
    };
    storeButton_ = button("Felvétel", kIdStore);
    cancelButton_ = button("Mégse", kIdCancel);

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
    MoveWindow(categories_.hwnd(), gap, top, categoriesW, listsH, TRUE);
    MoveWindow(types_.hwnd(), 2 * gap + categoriesW, top, inner - categoriesW, listsH, TRUE);
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
        SetFocus(categories_.hwnd());
    }
}

void TaskEditorView::fillLists() {
    categories_.refill();
    types_.refill();
}

void TaskEditorView::toggle(int number, int index) {
    config::CheckList* list = lists_.list(number);
    if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return;
    list->selected = index;
    list->items[index].ticked = !list->items[index].ticked;
    lists_.clickCheck(number);
    fillLists();
}

void TaskEditorView::popup(int number, POINT at, bool rightClick) {
    if (rightClick && !lists_.rightClick(number)) return;
    if (runSelectionPopup(hwnd(), at, lists_, number, openOwnTypes)) fillLists();
}

void TaskEditorView::locationMenu() {
    const TaskEditorKind kind = modify() ? TaskEditorKind::Modify : TaskEditorKind::New;
    const containers::LocationMenuState state = editors_.pUjFeladatHelyPopup(clipboard_);
    PopupMenu menu;
    menu.add(kMenuPathSelect, "Hely megadása")
        .add(kMenuPathFromClipboard, state.fromClipboardCaption, state.fromClipboardEnabled)
        .add(kMenuPathOpen, "Hely megnyitása");
    POINT at{};
    GetCursorPos(&at);
    const int command = static_cast<int>(menu.track(hwnd(), {at.x - 60, at.y - 10}));
    if (command == kMenuPathSelect) editors_.menuitem_projectpathselectClick(kind);
    if (command == kMenuPathFromClipboard) editors_.menuitem_projectpathfromclipboardClick(kind, clipboard_);
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

LRESULT TaskEditorView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kPlaceMessage:
            if (IsWindowVisible(hwnd())) placeOverTaskGroup();
            return 0;
        case WM_SIZE:
            layout();
            return 0;
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if (id == kIdLocation && code == STN_CLICKED) {
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
