#pragma once
// Placing a dialog's controls on resize, measured in dialog units so that the layout
// follows the dialog's font and DPI.
#include <windows.h>

namespace kefelo::ui {

class DialogLayout {
public:
    explicit DialogLayout(HWND dialog, int controls = 16);
    ~DialogLayout();
    DialogLayout(const DialogLayout&) = delete;
    DialogLayout& operator=(const DialogLayout&) = delete;

    // Dialog units to pixels, horizontally and vertically.
    int x(int units) const;
    int y(int units) const;
    // The dialog's client size in pixels.
    int width() const { return client_.right; }
    int height() const { return client_.bottom; }

    // Moves a control (by id or handle) to a pixel rectangle; sizes below zero become zero.
    void place(int id, int left, int top, int width, int height);
    void place(HWND control, int left, int top, int width, int height);

private:
    HWND dialog_;
    HDWP batch_;
    RECT client_{};
    RECT unit_{};  // 100 x 100 dialog units in pixels
};

}  // namespace kefelo::ui
