#include "ui/config/own_types_window.h"
#include "ui/common/modal_loop.h"

#include <string>
#include <string_view>

#include "core/config/window_placement.h"
#include "platform/win32/wide.h"
#include "ui/common/dpi.h"
#include "ui/common/work_area.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr wchar_t kClassName[] = L"KefeloOwnTypes";
// The system's move command: dragging the window by its background.
constexpr WPARAM kMoveCommand = 0xF012;

enum : int { kIdList = 1, kIdAdd, kIdChange, kIdRemove, kIdStore, kIdCancel, kIdSorted, kIdMemo, kIdHint };

}  // namespace

bool OwnTypesWindow::create(HINSTANCE instance, HWND owner) {
    owner_ = owner;
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    const UINT dpi = dpiOf(nullptr);
    CreateArgs args;
    args.className = kClassName;
    const std::wstring title = platform::win32::widen(config::kOwnTypesWindowTitle);
    args.title = title.c_str();
    args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    args.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    args.x = args.y = 0;
    args.width = scaleForDpi(editor_.bounds.width, dpi);
    args.height = scaleForDpi(editor_.bounds.height, dpi);
    args.parent = owner;
    if (!Window::create(instance, args)) return false;
    editor_.bounds.width = args.width;
    editor_.bounds.height = args.height;

    font_ = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const auto button = [this](std::string_view text, int id, DWORD style = BS_PUSHBUTTON) {
        return createChild(
            {.className = L"BUTTON", .text = text, .style = WS_TABSTOP | style, .id = id, .font = font_});
    };
    list_ = createChild({.className = L"LISTBOX",
                         .style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                         .exStyle = WS_EX_CLIENTEDGE,
                         .id = kIdList,
                         .font = font_});
    add_ = button("Hozzáad", kIdAdd);
    change_ = button("Módosít", kIdChange);
    remove_ = button("Törlés", kIdRemove);
    store_ = button("Elment", kIdStore);
    cancel_ = button("Mégse", kIdCancel);
    sorted_ = button("Rendezett", kIdSorted, BS_AUTOCHECKBOX);
    std::string help;
    for (auto line : config::kOwnTypesHelpLines) {
        if (!help.empty()) help += "\r\n";
        help += line;
    }
    memo_ = createChild(
        {.className = L"EDIT", .text = help, .style = ES_MULTILINE | ES_READONLY, .id = kIdMemo, .font = font_});
    hint_ = createChild({.className = L"STATIC", .style = SS_LEFT, .id = kIdHint, .font = font_});

    listHook_.attach(list_, [this](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_GETDLGCODE && l && reinterpret_cast<const MSG*>(l)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(l)->wParam == VK_RETURN)
            return DLGC_WANTALLKEYS;
        if (m == WM_KEYDOWN) {
            void (OwnTypesWindow::*operation)() = nullptr;
            if (w == VK_INSERT) operation = &OwnTypesWindow::add;
            if (w == VK_RETURN) operation = &OwnTypesWindow::change;
            if (w == VK_DELETE) operation = &OwnTypesWindow::remove;
            if (operation) {
                run(operation);
                return 0;
            }
        }
        if (m == WM_CHAR && w == VK_RETURN) return 0;
        return std::nullopt;
    });
    layout();
    return true;
}

void OwnTypesWindow::layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const UINT dpi = dpiOf(hwnd());
    auto px = [dpi](int v) { return scaleForDpi(v, dpi); };
    const int gap = px(8), buttonW = px(80), buttonH = px(25);
    const int w = client.right, h = client.bottom;
    const int hintH = px(30), memoH = px(60), checkH = px(20);
    const int listW = w - 3 * gap - buttonW;
    const int listH = h - gap - hintH - memoH - checkH - 3 * gap;
    MoveWindow(list_, gap, gap, listW, listH, TRUE);
    MoveWindow(sorted_, gap, gap + listH + px(4), listW, checkH, TRUE);
    const int bx = w - gap - buttonW;
    MoveWindow(add_, bx, gap, buttonW, buttonH, TRUE);
    MoveWindow(change_, bx, gap + (buttonH + px(6)), buttonW, buttonH, TRUE);
    MoveWindow(remove_, bx, gap + 2 * (buttonH + px(6)), buttonW, buttonH, TRUE);
    MoveWindow(store_, bx, gap + listH - 2 * buttonH - px(6), buttonW, buttonH, TRUE);
    MoveWindow(cancel_, bx, gap + listH - buttonH, buttonW, buttonH, TRUE);
    const int memoY = gap + listH + checkH + gap;
    MoveWindow(memo_, gap, memoY, w - 2 * gap, memoH, TRUE);
    MoveWindow(hint_, gap, memoY + memoH + gap / 2, w - 2 * gap, hintH, TRUE);
}

void OwnTypesWindow::fillList() {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const auto& item : editor_.list_mytypes.items)
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    SendMessageW(list_, LB_SETCURSEL, editor_.list_mytypes.hasSelection() ? editor_.list_mytypes.selected : -1, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    SendMessageW(sorted_, BM_SETCHECK, editor_.check_mytypessorted ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OwnTypesWindow::updateHint(HWND under) {
    // Called on every mouse move: repaint only when the text changed.
    std::string text = editor_.hint(under != nullptr && under == list_);
    if (text == shownHint_) return;
    shownHint_ = std::move(text);
    SetWindowTextW(hint_, widen(shownHint_).c_str());
}

void OwnTypesWindow::run(void (OwnTypesWindow::*operation)()) {
    editor_.list_mytypes.selected = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
    RECT r{};
    GetWindowRect(hwnd(), &r);
    editor_.bounds.left = r.left;
    editor_.bounds.top = r.top;
    (this->*operation)();
    fillList();
    updateHint();
    SetFocus(list_);
}

void OwnTypesWindow::showModal() {
    if (!hwnd()) return;
    fillList();
    updateHint();
    SetWindowPos(hwnd(), nullptr, editor_.bounds.left, editor_.bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
    if (ownerWasEnabled) EnableWindow(owner_, FALSE);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(list_);
    runModalLoop(hwnd(), editor_.visible, [&](WPARAM key) {
        if (key != VK_ESCAPE) return false;
        editor_.escape();
        return true;
    });
    editor_.visible = false;
    if (ownerWasEnabled) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd(), SW_HIDE);
    if (owner_) {
        SetActiveWindow(owner_);
        // What lay under the editor is drawn again at once, not at the next mouse move.
        RedrawWindow(owner_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

bool OwnTypesWindow::visible() { return hwnd() && IsWindowVisible(hwnd()); }

void OwnTypesWindow::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void OwnTypesWindow::showInFront() { showWindowInFront(hwnd()); }

LRESULT OwnTypesWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            editor_.escape();
            PostMessageW(hwnd(), WM_NULL, 0, 0);
            return 0;
        case WM_WINDOWPOSCHANGING:
            keepWindowInWorkArea(hwnd(), *reinterpret_cast<WINDOWPOS*>(lParam));
            break;
        case WM_LBUTTONDOWN:
            ReleaseCapture();
            SendMessageW(hwnd(), WM_SYSCOMMAND, kMoveCommand, 0);
            return 0;
        case WM_SETCURSOR:
            // The size hint follows the mouse over the whole window, controls included.
            if (HIWORD(lParam) == WM_MOUSEMOVE) updateHint(reinterpret_cast<HWND>(wParam));
            break;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == memo_ || reinterpret_cast<HWND>(lParam) == hint_) {
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if (id == kIdList && code == LBN_DBLCLK) run(&OwnTypesWindow::change);
            if (id == kIdList && code == LBN_SELCHANGE)
                editor_.list_mytypes.selected = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
            if (code != BN_CLICKED) return 0;
            if (id == kIdAdd) run(&OwnTypesWindow::add);
            if (id == kIdChange) run(&OwnTypesWindow::change);
            if (id == kIdRemove) run(&OwnTypesWindow::remove);
            if (id == kIdStore) editor_.store();
            if (id == kIdCancel) editor_.cancel();
            // Wake the modal loop so that it sees the window closed.
            if (!editor_.visible) PostMessageW(hwnd(), WM_NULL, 0, 0);
            if (id == kIdSorted) {
                editor_.list_mytypes.selected = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
                editor_.setSorted(SendMessageW(sorted_, BM_GETCHECK, 0, 0) == BST_CHECKED);
                fillList();
            }
            return 0;
        }
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
