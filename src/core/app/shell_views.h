#pragma once
// The real windows behind app::MainShell: the main window as a window, its tray icon with
// the menu `pTray`, and the splash. The main window implements them; MainShell decides.
#include <string>

#include "core/app/status_line.h"

namespace kefelo::app {

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual bool mainVisible() = 0;
    virtual void hideMain() = 0;
    // Fronts the application and shows the main window.
    virtual void showMain() = 0;
    virtual void focusMain() = 0;
    // Restores and fronts the application.
    virtual void restoreApplication() = 0;
    // The window part of `PopUp`: top of the z-order without activation and not topmost,
    // application restored and fronted, main window visible and in front.
    virtual void popUpMain() = 0;
    virtual void showApplicationTaskbarWindow() = 0;
    // The window's place, size and page go into the model before a save.
    virtual void storeWindowState() = 0;
    // False while the welcome screen stands in for the pages.
    virtual bool pageControlVisible() = 0;
    virtual void repaint() = 0;
    virtual void repaintAndPump() = 0;
    virtual void setHourglassCursor(bool on) = 0;
    // Ends the message loop.
    virtual void terminate() = 0;
    virtual void beep() = 0;
};

// The tray icon, its menu `pTray` and the empty menu `pUres` of an update run.
class TrayView {
public:
    virtual ~TrayView() = default;
    virtual bool trayMenuIsEmpty() = 0;
    virtual void showTrayIcon() = 0;
    virtual void hideTrayIcon() = 0;
    virtual void setTrayHint(const std::string& hint) = 0;
    virtual void checkRestoreItem(bool checked) = 0;
    virtual void enableActionsItem(bool enabled) = 0;
    virtual void setTrayCleanCaption(const std::string& caption) = 0;
    // Information icon, 10-second time-out.
    virtual void showBalloon(const std::string& title, const std::string& text) = 0;
    virtual void hideBalloon() = 0;
};

// The splash; hiding it frees it, and everything is a no-op once it is gone.
class SplashView {
public:
    virtual ~SplashView() = default;
    virtual void setSplashText(const std::string& text) = 0;
    // The strip of the automatic modes: its label text and the label's hint.
    virtual void setSplashPath(const std::string& label, const std::string& hint) = 0;
    virtual void hideSplash() = 0;
};

struct ShellViews {
    MainWindowView& window;
    TrayView& tray;
    SplashView& splash;
    StatusLine& status;
};

}  // namespace kefelo::app
