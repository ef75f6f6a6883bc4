#pragma once
// The main window `TForm1`: the page control `pc` with one page object per page, the
// status bar `Status`, the tray icon with its menus, the welcome screen, the diagnostic
// console, the splash and the secondary windows. What the program holds and decides lives
// in the session (core); this class carries out on the real windows what it asks.
#include <array>
#include <memory>
#include <string>

#include "core/app/main_pages.h"
#include "core/app/shell_views.h"
#include "core/session/session.h"
#include "ui/app/application_window.h"
#include "ui/app/console_view.h"
#include "ui/app/main_page.h"
#include "ui/app/main_page_view.h"
#include "ui/app/secondary_windows.h"
#include "ui/app/splash_window.h"
#include "ui/app/tray_menus.h"
#include "ui/app/welcome_panel.h"
#include "ui/common/gdi.h"
#include "ui/common/window.h"
#include "ui/controls/tray_icon.h"

namespace kefelo::ui {

class MainWindow : public Window,
                   private app::MainWindowView,
                   private app::TrayView,
                   private app::StatusLine,
                   private PageHost {
public:
    explicit MainWindow(const session::SessionContext& context);
    ~MainWindow() override;

    // Created hidden and owned by the application window; its creation loads the
    // configuration. The start-up decides whether and how it is shown.
    bool create(HINSTANCE instance, HICON icon, HICON smallIcon, ApplicationWindow& application);
    // The working main window of the start-up: the configuration is loaded again, so that
    // what the wizards wrote is seen.
    void reloadConfiguration();
    session::Session& session() { return session_; }

    // --- what the start-up needs ---
    void enableActionsMenu(bool enabled) { menus_.enableActions(enabled); }
    void setTrayHint(const std::string& hint) override { tray_.setHint(hint); }
    // The tray icon with the menu `pTray`, or with the empty menu `pUres` during an update run.
    void showTray(bool emptyMenu);
    void hideTray() { tray_.setVisible(false); }
    void showBalloon(const std::string& title, const std::string& text, BalloonIcon icon);
    bool createSplash();
    SplashWindow* splash() { return splash_.window(); }
    // Hides and frees the splash; nothing happens once it is gone.
    void closeSplash() { splash_.hideSplash(); }
    bool createSecondaryWindows() { return secondaries_.create(instance_, hwnd(), session_); }
    TfrmUpdate* updateWizard() { return secondaries_.updateWizard(); }
    void showFirst(int showCommand);
    bool terminated() const { return terminated_; }
    // Keys the window sees before its controls (Esc and the pages' own); true when taken.
    bool previewKey(const MSG& msg);

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr UINT_PTR kVillogTimer = 1;
    static constexpr UINT kVillogMs = 650;
    // Posted by the hand-over so that the sender is answered before the search starts.
    static constexpr UINT kStartSearchMessage = WM_APP + 10;

    // --- app::MainWindowView (main_window_views.cpp) ---
    bool mainVisible() override;
    void hideMain() override;
    void showMain() override;
    void focusMain() override;
    void restoreApplication() override;
    void popUpMain() override;
    void showApplicationTaskbarWindow() override;
    void storeWindowState() override;
    bool pageControlVisible() override { return !welcomeShown_; }
    void repaint() override;
    void repaintAndPump() override;
    void setHourglassCursor(bool on) override;
    void terminate() override;
    void beep() override;
    // --- app::TrayView ---
    bool trayMenuIsEmpty() override { return trayMenuEmpty_; }
    void showTrayIcon() override { showTray(false); }
    void hideTrayIcon() override { hideTray(); }
    void checkRestoreItem(bool checked) override { menus_.checkRestore(checked); }
    void enableActionsItem(bool enabled) override { menus_.enableActions(enabled); }
    void setTrayCleanCaption(const std::string& caption) override { menus_.setCleanCaption(caption); }
    void showBalloon(const std::string& title, const std::string& text) override;
    void hideBalloon() override;
    // --- app::StatusLine ---
    std::string statusText() override { return statusText_; }
    void setStatusText(const std::string& text) override;
    void setStatusCentred(bool centred) override;
    void startBlinking(int tag) override;
    void stopBlinking() override;
    void showHint(const std::string& hint) override;
    // --- PageHost ---
    void showPage(app::MainPage page) override { selectPage(page); }
    bool pageShown(app::MainPage page) override { return !welcomeShown_ && activePage() == page; }
    bool welcomeShown() override { return welcomeShown_; }
    void openOwnTypes() override { secondaries_.openOwnTypes(hwnd()); }
    void showDiskAnalysis() override { secondaries_.showDiskAnalysis(hwnd()); }
    void openUpdateWizard() override { secondaries_.openUpdateWizard(hwnd()); }
    void openZipWindow() override { secondaries_.openZipWindow(hwnd()); }
    void showUninstallList(tools::SystemStores& stores) override { secondaries_.showUninstallList(hwnd(), stores); }
    bool diagnosticMode() override { return session_.shell().console.enabled(); }

    bool createChildren();
    bool createPages();
    void applyConfiguration();
    void applyFont();
    void layout();
    int activePage() const;
    void selectPage(int index);
    void showSelectedPage();
    void pcChange();
    void onActivated();
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void showTrayMenu();
    void onCommand(UINT id);
    void showWelcome(bool show);
    void leaveWelcome();
    bool WMCopyData(const COPYDATASTRUCT& data);
    void startHandedOverSearch();

    Splash splash_;  // before the session, which holds it
    session::Session session_;
    HINSTANCE instance_ = nullptr;
    ApplicationWindow* application_ = nullptr;
    UINT dpi_ = 96;
    UniqueFont font_;
    HWND pc_ = nullptr;
    HWND status_ = nullptr;
    struct Page {
        MainPageView area;
        std::unique_ptr<MainPage> page;
    };
    std::array<Page, app::kMainPageCount> pages_;
    WelcomePanel welcome_;
    bool welcomeShown_ = false;
    ConsoleView console_;
    TrayIcon tray_;
    TrayMenus menus_;
    bool trayMenuEmpty_ = false;
    SecondaryWindows secondaries_;

    bool terminated_ = false;
    bool statusCentred_ = false;
    std::string statusText_;
    std::string pendingSearch_;
};

}  // namespace kefelo::ui
