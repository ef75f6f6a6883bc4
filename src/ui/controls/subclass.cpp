#include "ui/controls/subclass.h"

#include <commctrl.h>

#include <string>

#include "ui/common/window_faults.h"

namespace kefelo::ui {

bool Subclass::attach(HWND hwnd, Handler handler) {
    detach();
    if (!hwnd) return false;
    handler_ = std::move(handler);
    if (!SetWindowSubclass(hwnd, &Subclass::procedure, reinterpret_cast<UINT_PTR>(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
        handler_ = nullptr;
        return false;
    }
    hwnd_ = hwnd;
    return true;
}

void Subclass::detach() {
    if (hwnd_) RemoveWindowSubclass(hwnd_, &Subclass::procedure, reinterpret_cast<UINT_PTR>(this));
    hwnd_ = nullptr;
    handler_ = nullptr;
}

LRESULT CALLBACK Subclass::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Subclass*>(data);
    if (message == WM_NCDESTROY) {
        self->detach();
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    std::string fault;
    try {
        if (self->handler_) {
            if (std::optional<LRESULT> result = self->handler_(hwnd, message, wParam, lParam)) return *result;
        }
    } catch (...) {
        fault = currentFaultText();
    }
    // The control's own handling still runs.
    if (!fault.empty()) reportWindowFault(hwnd, message, wParam, lParam, fault);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace kefelo::ui
