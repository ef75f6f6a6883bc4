#pragma once
// Views of the main window that do nothing: the fakes of the tests derive from them and
// override only what they record.
#include <string>

#include "core/app/main_frame.h"
#include "core/app/shell_views.h"
#include "core/app/status_line.h"

namespace kefelo::apptest {

struct NullStatusLine : app::StatusLine {
    std::string statusText() override { return {}; }
    void setStatusText(const std::string&) override {}
    void setStatusCentred(bool) override {}
    void startBlinking(int) override {}
    void stopBlinking() override {}
    void showHint(const std::string&) override {}
};

struct NullMainFrame : app::MainFrame {
    bool mainWindowVisible() override { return true; }
    void bringMainToFront() override {}
    void showApplicationTaskbarWindow() override {}
    void repaint() override {}
    void setHourglassCursor(bool) override {}
    bool windowWasVisible() override { return false; }
    void setWindowWasVisible(bool) override {}
    void popUp() override {}
    void restoreFromTray() override {}
    void searchVege() override {}
    void setTrayHint(const std::string&) override {}
    void setTrayCleanCaption(const std::string&) override {}
    void showTrayIcon() override {}
    void showTrayBalloon(const std::string&, const std::string&) override {}
    void hideBalloon() override {}
    void setSplashPath(const std::string&, const std::string&) override {}
    void hideSplash() override {}
    bool quitting() override { return false; }
    void beep() override {}
    void quit() override {}
};

// The real windows behind app::MainShell.
struct NullShellViews : app::MainWindowView, app::TrayView, app::SplashView, NullStatusLine {
    bool mainVisible() override { return true; }
    void hideMain() override {}
    void showMain() override {}
    void focusMain() override {}
    void restoreApplication() override {}
    void popUpMain() override {}
    void showApplicationTaskbarWindow() override {}
    void storeWindowState() override {}
    bool pageControlVisible() override { return true; }
    void repaint() override {}
    void repaintAndPump() override {}
    void setHourglassCursor(bool) override {}
    void terminate() override {}
    void beep() override {}
    bool trayMenuIsEmpty() override { return false; }
    void showTrayIcon() override {}
    void hideTrayIcon() override {}
    void setTrayHint(const std::string&) override {}
    void checkRestoreItem(bool) override {}
    void enableActionsItem(bool) override {}
    void setTrayCleanCaption(const std::string&) override {}
    void showBalloon(const std::string&, const std::string&) override {}
    void hideBalloon() override {}
    void setSplashText(const std::string&) override {}
    void setSplashPath(const std::string&, const std::string&) override {}
    void hideSplash() override {}

    app::ShellViews views() { return {*this, *this, *this, *this}; }
};

}  // namespace kefelo::apptest
