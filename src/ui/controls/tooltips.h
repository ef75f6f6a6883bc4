#pragma once
// Hints of a secondary window's controls, shown as tooltips: such windows have no status bar
// of their own.
#include <windows.h>

#include <map>
#include <string>
#include <string_view>

namespace kefelo::ui {

class Tooltips {
public:
    // The tooltip window belongs to `owner` and goes with it. False when it cannot be made;
    // `set` then does nothing.
    bool create(HWND owner, int maxWidth);
    // Adds the hint of the control with id `id`, or changes it; an unchanged hint is left alone.
    void set(int id, std::string_view text);

private:
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
    std::map<int, std::string> shown_;
};

}  // namespace kefelo::ui
