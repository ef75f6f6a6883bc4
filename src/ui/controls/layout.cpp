#include "ui/controls/layout.h"

#include <algorithm>

namespace kefelo::ui {

DialogLayout::DialogLayout(HWND dialog, int controls) : dialog_(dialog), batch_(BeginDeferWindowPos(controls)) {
    GetClientRect(dialog_, &client_);
    unit_ = {0, 0, 100, 100};
    MapDialogRect(dialog_, &unit_);
}

DialogLayout::~DialogLayout() {
    if (batch_) EndDeferWindowPos(batch_);
}

int DialogLayout::x(int units) const { return MulDiv(units, unit_.right, 100); }
int DialogLayout::y(int units) const { return MulDiv(units, unit_.bottom, 100); }

void DialogLayout::place(int id, int left, int top, int width, int height) {
    place(GetDlgItem(dialog_, id), left, top, width, height);
}

void DialogLayout::place(HWND control, int left, int top, int width, int height) {
    if (!control) return;
    width = std::max(0, width);
    height = std::max(0, height);
    if (batch_) {
        batch_ = DeferWindowPos(batch_, control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!batch_) SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kefelo::ui
