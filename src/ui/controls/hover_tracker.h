#pragma once
// Tells which control the mouse is over, disabled ones included (their mouse messages go
// to the parent), or that it is over a container's background. The status-bar hints and
// the description boxes of the tools and options pages follow it.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "ui/controls/subclass.h"

namespace kefelo::ui {

class HoverTracker {
public:
    // Gets the tracked control under the mouse, or the container whose background it is on.
    using Callback = std::function<void(HWND window)>;

    void setCallback(Callback callback) { callback_ = std::move(callback); }
    // Its background counts as "no control"; its tracked children are found by position.
    void trackContainer(HWND container);
    // Its parent becomes a container too.
    void trackControl(HWND control);

private:
    void subclass(HWND window, bool container);
    void report(HWND window) const;
    HWND trackedChildAt(HWND container, POINT screen) const;

    Callback callback_;
    std::vector<HWND> containers_;
    std::vector<HWND> controls_;
    std::vector<std::unique_ptr<Subclass>> subclasses_;
};

}  // namespace kefelo::ui
