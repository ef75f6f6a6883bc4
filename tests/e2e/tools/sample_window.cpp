// A small window with one control of each kind the driver handles, for the driver's own
// test; it also serves as "another program" that takes the foreground. What the driver
// did shows in the label (id 102). Ends when closed or after the given number of seconds.
//   sample_window.exe [SECONDS]
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <cwchar>
#include <string>

namespace {
enum : int { kAsk = 101, kLabel, kEdit, kCheck, kList, kGrid, kTabs, kMenuFirst = 200 };

HWND label;

HWND child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void create(HWND window) {
    child(window, L"BUTTON", L"Kérdés", BS_PUSHBUTTON, kAsk, 10, 10, 100, 24);
    label = child(window, L"STATIC", L"", SS_LEFT, kLabel, 120, 14, 250, 20);
    child(window, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, kEdit, 10, 44, 200, 22);
    child(window, L"BUTTON", L"Jelölő", BS_AUTOCHECKBOX, kCheck, 220, 44, 100, 22);
    HWND list = child(window, L"LISTBOX", L"", WS_BORDER | LBS_NOTIFY, kList, 10, 76, 150, 80);
    for (const wchar_t* item : {L"első", L"második", L"harmadik"})
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    HWND grid = child(window, WC_LISTVIEWW, L"", WS_BORDER | LVS_REPORT, kGrid, 170, 76, 200, 80);
    const wchar_t* const columns[] = {L"Név", L"Méret"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 90;
        column.pszText = const_cast<wchar_t*>(columns[i]);
        SendMessageW(grid, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    const wchar_t* const rows[][2] = {{L"alma.txt", L"12"}, {L"körte.tmp", L"345"}};
    for (int row = 0; row < 2; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row][0]);
        SendMessageW(grid, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<wchar_t*>(rows[row][1]);
        SendMessageW(grid, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
    HWND tabs = child(window, WC_TABCONTROLW, L"", 0, kTabs, 10, 166, 360, 30);
    const wchar_t* const pages[] = {L"Egyik", L"Másik"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(pages[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

void show(const std::wstring& text) { SetWindowTextW(label, text.c_str()); }

LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            create(window);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kAsk)
                show(MessageBoxW(window, L"Biztosan?", L"Figyelem!", MB_YESNO) == IDYES ? L"igen" : L"nem");
            if (LOWORD(wParam) == kList && HIWORD(wParam) == LBN_DBLCLK) {
                wchar_t text[64] = {};
                SendMessageW(reinterpret_cast<HWND>(lParam), LB_GETTEXT,
                             SendMessageW(reinterpret_cast<HWND>(lParam), LB_GETCURSEL, 0, 0),
                             reinterpret_cast<LPARAM>(text));
                show(std::wstring(L"dupla: ") + text);
            }
            return 0;
        case WM_CONTEXTMENU: {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(menu, MF_STRING, kMenuFirst, L"Egy");
            AppendMenuW(menu, MF_STRING, kMenuFirst + 1, L"Kettő");
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING, kMenuFirst + 2, L"Három");
            const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD, static_cast<short>(LOWORD(lParam)),
                                                               static_cast<short>(HIWORD(lParam)), 0, window, nullptr));
            DestroyMenu(menu);
            show(L"menü: " + std::to_wstring(chosen - kMenuFirst));
            return 0;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == LVN_COLUMNCLICK)
                show(L"oszlop: " + std::to_wstring(reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem));
            if (header->code == TCN_SELCHANGE)
                show(L"fül: " + std::to_wstring(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Loading the common controls registers their classes; the tools link nothing else.
    LoadLibraryW(L"comctl32.dll");
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KefeloE2ESample";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"kefelo-e2e-sample", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400,
                                  400, 250, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    SetForegroundWindow(window);
    const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)) : 60;
    SetTimer(window, 1, seconds * 1000, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
