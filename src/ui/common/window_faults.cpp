#include "ui/common/window_faults.h"

#include <commctrl.h>

#include <cstdio>
#include <exception>

#include "platform/win32/wide.h"

namespace kefelo::ui {

app::FaultReporter& windowFaults() {
    static app::FaultReporter reporter;
    return reporter;
}

std::string currentFaultText() noexcept {
    try {
        throw;
    } catch (const std::exception& e) {
        try {
            const char* what = e.what();
            if (what && *what) return what;
        } catch (...) {
        }
    } catch (...) {
    }
    return "ismeretlen hiba";
}

app::FaultSource faultSourceOf(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_SYSCOMMAND:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_CONTEXTMENU:
        case WM_CLOSE:
        case WM_COPYDATA:
        case WM_HOTKEY:
        case WM_DROPFILES:
            return app::FaultSource::UserCommand;
        case WM_NOTIFY: {
            // Only the notifications that a click or a key sends; custom drawing and the
            // queries of virtual lists come with every repaint.
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (!header) return app::FaultSource::Background;
            switch (header->code) {
                case NM_CLICK:
                case NM_DBLCLK:
                case NM_RCLICK:
                case NM_RDBLCLK:
                case NM_RETURN:
                case TCN_SELCHANGE:
                case LVN_COLUMNCLICK:
                case LVN_KEYDOWN:
                    return app::FaultSource::UserCommand;
                default:
                    return app::FaultSource::Background;
            }
        }
        default:
            return app::FaultSource::Background;
    }
}

void reportWindowFault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const std::string& what) noexcept {
    try {
        wchar_t className[64] = {};
        GetClassNameW(hwnd, className, 64);
        char numbers[64] = {};
        std::snprintf(numbers, sizeof numbers, ", uzenet: 0x%04X", message);
        std::string where = "ablak: " + platform::win32::narrow(className) + numbers;
        if (message == WM_COMMAND) {
            std::snprintf(numbers, sizeof numbers, ", azonosito: %u", static_cast<unsigned>(LOWORD(wParam)));
            where += numbers;
        }
        windowFaults().report(faultSourceOf(message, wParam, lParam), where, what);
    } catch (...) {
        // Reporting must never take the window procedure down with it.
    }
}

}  // namespace kefelo::ui
