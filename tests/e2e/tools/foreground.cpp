// The foreground window as Windows sees it, for end-to-end tests that run without a
// window manager (where the X focus says nothing).
//   foreground.exe          prints the title of the foreground window (UTF-8)
//   foreground.exe take N   shows a window of its own, takes the foreground, and keeps it
//                           for N seconds unless someone else takes it
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
int printForeground() {
    wchar_t title[512] = {};
    if (HWND window = GetForegroundWindow()) GetWindowTextW(window, title, 512);
    char utf8[2048] = {};
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
    return 0;
}

int takeForeground(DWORD seconds) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KefeloE2EForeground";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"kefelo-e2e-foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700,
                                  500, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    SetForegroundWindow(window);
    const DWORD end = GetTickCount() + seconds * 1000;
    MSG msg;
    while (GetTickCount() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(50);
    }
    return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 3 && std::wcscmp(argv[1], L"take") == 0) {
        return takeForeground(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    }
    return printForeground();
}
