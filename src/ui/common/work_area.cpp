#include "ui/common/work_area.h"

#include <algorithm>

#include "core/config/window_placement.h"

namespace kefelo::ui {

void keepWindowInWorkArea(HWND window, WINDOWPOS& position) {
    if (position.flags & SWP_NOMOVE) return;
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return;
    RECT self{};
    GetWindowRect(window, &self);
    const int width = (position.flags & SWP_NOSIZE) ? self.right - self.left : position.cx;
    const int height = (position.flags & SWP_NOSIZE) ? self.bottom - self.top : position.cy;
    const config::ScreenPoint at = config::clampToWorkArea({position.x, position.y}, width, height,
                                                           {area.left, area.top, area.right, area.bottom});
    position.x = at.x;
    position.y = at.y;
}

void restoreWindowPlacement(HWND window, const config::WindowBounds& stored, int minWidth, int minHeight) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // How far the placement's coordinates lie from the screen's: the work area's corner
    // on Windows; measured on the window itself, since some systems (Wine) use screen
    // coordinates for both.
    POINT offset{work.left, work.top};
    RECT current{};
    if (!IsIconic(window) && !IsZoomed(window) && GetWindowRect(window, &current)) {
        offset = {current.left - placement.rcNormalPosition.left, current.top - placement.rcNormalPosition.top};
    }
    RECT normal{stored.left, stored.top, stored.left + std::max(stored.width, minWidth),
                stored.top + std::max(stored.height, minHeight)};
    RECT onScreen = normal;
    OffsetRect(&onScreen, offset.x, offset.y);
    if (!MonitorFromRect(&onScreen, MONITOR_DEFAULTTONULL)) {
        // Off every monitor (one that was unplugged): centred on the primary work area.
        const int width = normal.right - normal.left, height = normal.bottom - normal.top;
        const int left = work.left + std::max(0, static_cast<int>(work.right - work.left - width) / 2);
        const int top = work.top + std::max(0, static_cast<int>(work.bottom - work.top - height) / 2);
        normal = {left - offset.x, top - offset.y, left - offset.x + width, top - offset.y + height};
    }
    placement.flags = 0;
    placement.rcNormalPosition = normal;
    placement.showCmd = IsWindowVisible(window) ? SW_SHOWNOACTIVATE : SW_HIDE;
    SetWindowPlacement(window, &placement);
}

void showWindowInFront(HWND window) {
    if (!window) return;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

}  // namespace kefelo::ui
