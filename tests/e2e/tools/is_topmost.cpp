// Prints 1 when the program's main window is kept above other windows, else 0; exit
// status 1 when there is no main window.
#include <windows.h>

#include <cstdio>

int wmain() {
    const HWND main = FindWindowW(L"TForm1", nullptr);
    if (!main) return 1;
    std::printf("%d\n", (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    return 0;
}
