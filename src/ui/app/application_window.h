#pragma once
// The hidden top-level window of class "TApplication" that stands for the whole program:
// the running copies find each other through it, it owns the main window, and its title
// is the application title.
#include <string>

#include "ui/common/window.h"

namespace kefelo::ui {

class ApplicationWindow : public Window {
public:
    bool create(HINSTANCE instance, const std::string& title, HICON icon, HICON smallIcon);

    void setTitle(const std::string& title);
    // Hidden and a tool window: the program keeps no taskbar button.
    void hideFromTaskbar();
    // "Shown" again with its tool-window style. It has no size and nothing depends on it
    // being mapped, so it stays hidden: under Wine a shown zero-size window becomes a
    // one-pixel X window that has to be withdrawn again at exit.
    void show() {}
    // Restores the program when minimised and brings its last active window to the front.
    void restoreAndFront();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace kefelo::ui
