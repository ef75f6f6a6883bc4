#include "ui/common/work_area.h"

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

void showWindowInFront(HWND window) {
    if (!window) return;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

}  // namespace kefelo::ui
