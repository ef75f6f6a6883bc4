#pragma once
// The main window, its tray icon and the splash as the work of the pages sees them.
// app::MainShell implements it, so the rules of the window-was-visible flag, the pop-up,
// the way back from the tray and the quit stay in one place.
#include <string>

namespace kefelo::app {

class MainFrame {
public:
    virtual ~MainFrame() = default;

    // --- the window ---
    virtual bool mainWindowVisible() = 0;
    // Fronts the application and shows the main window.
    virtual void bringMainToFront() = 0;
    virtual void showApplicationTaskbarWindow() = 0;
    virtual void repaint() = 0;
    virtual void setHourglassCursor(bool on) = 0;

    // --- the window-was-visible flag and what follows from it ---
    virtual bool windowWasVisible() = 0;
    virtual void setWindowWasVisible(bool visible) = 0;
    // `PopUp`; nothing while the flag is clear.
    virtual void popUp() = 0;
    // The tray toggle bringing the hidden main window up.
    virtual void restoreFromTray() = 0;
    // `SearchVege`: while the main window is hidden, the tray hint and the secondary
    // windows that were open come back.
    virtual void searchVege() = 0;

    // --- the tray ---
    virtual void setTrayHint(const std::string& hint) = 0;
    virtual void setTrayCleanCaption(const std::string& caption) = 0;  // menu_trayclean
    virtual void showTrayIcon() = 0;
    // Information icon, 10-second time-out.
    virtual void showTrayBalloon(const std::string& title, const std::string& text) = 0;
    virtual void hideBalloon() = 0;

    // --- the splash of the automatic modes: its label and the label's hint ---
    virtual void setSplashPath(const std::string& label, const std::string& hint) = 0;
    // Hiding frees it; nothing happens once it is gone.
    virtual void hideSplash() = 0;

    // --- the end ---
    // The quit routine has started (the tag of `check_beep`): no more beeps.
    virtual bool quitting() = 0;
    virtual void beep() = 0;
    // The quit routine: saves, hides the tray icon, ends the message loop.
    virtual void quit() = 0;
};

}  // namespace kefelo::app
