#include "ui/controls/hover_tracker.h"

#include <algorithm>

namespace kefelo::ui {
namespace {
bool contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}
}  // namespace

void HoverTracker::trackContainer(HWND container) {
    if (!container || contains(containers_, container)) return;
    containers_.push_back(container);
    subclass(container, true);
}

void HoverTracker::trackControl(HWND control) {
    if (!control || contains(controls_, control)) return;
    controls_.push_back(control);
    subclass(control, false);
    trackContainer(GetParent(control));
}

void HoverTracker::subclass(HWND window, bool container) {
    auto hook = std::make_unique<Subclass>();
    hook->attach(window, [this, container](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (message != WM_MOUSEMOVE) return std::nullopt;
        if (!container) {
            report(hwnd);
            return std::nullopt;
        }
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &at);
        const HWND child = trackedChildAt(hwnd, at);
        report(child ? child : hwnd);
        return std::nullopt;
    });
    subclasses_.push_back(std::move(hook));
}

HWND HoverTracker::trackedChildAt(HWND container, POINT screen) const {
    for (HWND control : controls_) {
        // Its own visibility bit: the window it lies on may be hidden at the moment.
        if (GetParent(control) != container || !(GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT rect{};
        GetWindowRect(control, &rect);
        if (PtInRect(&rect, screen)) return control;
    }
    return nullptr;
}

void HoverTracker::report(HWND window) const {
    if (callback_) callback_(window);
}

}  // namespace kefelo::ui
