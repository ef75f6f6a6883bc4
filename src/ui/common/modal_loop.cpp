#include "ui/common/modal_loop.h"

namespace kefelo::ui {

void runModalLoop(HWND window, const bool& running, const std::function<bool(WPARAM key)>& onKey) {
    MSG msg{};
    while (running) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (msg.message == WM_KEYDOWN && onKey && (msg.hwnd == window || IsChild(window, msg.hwnd)) &&
            onKey(msg.wParam))
            continue;
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace kefelo::ui
