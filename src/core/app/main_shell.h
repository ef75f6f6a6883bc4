#pragma once
// What the main window does around its pages: creation-time files and loading, the first
// showing, the tray toggle and its menu, balloons, closing to the tray or quitting, the
// busy guard, the blinking status text, the end beep and the activation refresh. The
// window itself (ShellView) only carries these out.
#include <functional>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/diagnostic_console.h"
#include "core/config/categories.h"
#include "core/config/config_model.h"
#include "platform/platform.h"

namespace kefelo::app {

// A secondary window (disk analysis, own types, update wizard, uninstall list, ZIP) as the
// main window's lifecycle sees it.
class SecondaryWindow {
public:
    virtual ~SecondaryWindow() = default;
    virtual bool visible() = 0;
    virtual void hide() = 0;
    // Visible, in front and focused.
    virtual void showInFront() = 0;
    // Put on top once and then back to normal (the ZIP window coming back from the tray).
    virtual void showOnTopOnce() { showInFront(); }

    // Its tag: whether it was open when the main window went to the tray.
    int openMark = 0;
};

class ShellView {
public:
    virtual ~ShellView() = default;
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
    // The window's place, size and page go into the model before a save.
    virtual void storeWindowState() = 0;
    // False while the welcome screen stands in for the pages.
    virtual bool pageControlVisible() = 0;
    virtual void setCleaningInnerPage(int page) = 0;
    virtual void setStatusText(const std::string& text) = 0;
    virtual void repaintAndPump() = 0;
    // Ends the message loop.
    virtual void terminate() = 0;
    virtual void beep() = 0;

    // The tray icon, its menu `pTray` and the empty menu `pUres` of an update run.
    virtual bool trayMenuIsEmpty() = 0;
    virtual void hideTrayIcon() = 0;
    virtual void setTrayHint(const std::string& hint) = 0;
    virtual void checkRestoreItem(bool checked) = 0;
    virtual void enableActionsItem(bool enabled) = 0;

    // The splash; hiding it frees it, and either is a no-op once it is gone.
    virtual void setSplashText(const std::string& text) = 0;
    virtual void hideSplash() = 0;
};

struct ShellContext {
    platform::Platform& platform;
    const CommandLine& commandLine;
    std::string programDirectory;  // with trailing "\"
    std::string fileVersion;
    config::ConfigModel& config;
    config::MaskTable& masks;
    // The tag of the folder walker `Search`: 0 idle, 1 cleaning, 2 search, 3 container search.
    int& activityCode;
    // Raises the walker's stop flag.
    std::function<void()> stopWalk;
};

// Texts of the blinking status: by the kind of work, and the splash's in an automatic run.
std::string blinkStatusText(int tag);
inline constexpr const char* kAutomaticBlinkText = "A Kefeló automatikus futtatása zajlik! Kérem, várjon...";
inline constexpr const char* kUpdateLeftoversLine = "Az update atmeneti allomanyainak torlesi kiserlete folyik";

class MainShell {
public:
    MainShell(ShellView& view, ShellContext context);

    // The secondary windows; the ZIP window is treated apart where the rules say so.
    void setSecondaryWindows(std::vector<SecondaryWindow*> windows, SecondaryWindow* zip);

    DiagnosticConsole console;
    bool ntFamily = true;
    bool preStart = false;          // the tag of `pc`
    bool firstShown = false;        // the tag of the tray icon
    bool windowWasVisible = false;  // the process-wide window-was-visible flag
    bool activationMark = false;
    bool quitting = false;  // the tag of `check_beep`: no more beeps
    int actionsTag = 0;     // the tag of `menuitem_actions`: when set, its enabling is left alone
    bool keepSplash = false;

    // The rules of the window's creation: diagnostic mode, leftover files, the configuration
    // with the own types, the ZIP directory. Returns true after a "/update" start, when the
    // help page should open on the version history.
    bool FormCreate(int screenWidth, int screenHeight);
    // Runs at every showing; true only the first time.
    bool FormShow();
    // The tray toggle: a click on the icon, its first menu item, and minimising.
    void menuitem_programrestoreClick();
    void pTrayPopup();
    void balloonClicked();
    void balloonHidden();
    void balloonTimedOut();
    void FormClose();
    void Kilps1Click();
    // The window state, the own types, then settings and lists to disk (KilepesElottMent).
    void saveConfiguration();
    void PopUp();
    // End of a search or a run while the main window is hidden (`SearchVege`).
    void SearchVege();

    bool FutValami();
    void endBeep(bool needsWindowWasVisible);

    void startBlinking(int tag);
    void stopBlinking();
    bool blinking() const { return blinking_; }
    int blinkTag() const { return blinkTag_; }
    void VillogTimer();
    // The status bar follows the hint only when nothing holds the mouse and nothing blinks.
    bool statusFollowsHint(bool mouseCaptured) const { return !mouseCaptured && !blinking_; }

    // `WM_NCACTIVATE`: true when the lists and hints are to be refreshed now.
    bool activationChanged(bool active);

private:
    // The error about list files that exist but could not be read, once a session and
    // never in an automatic run.
    void reportUnreadableLists();
    bool anySecondaryVisible();
    bool anySecondaryMarked();

    ShellView& view_;
    ShellContext ctx_;
    std::vector<SecondaryWindow*> secondaries_;
    SecondaryWindow* zip_ = nullptr;
    bool quitRunning_ = false;
    std::vector<std::string> toldUnreadable_;
    bool blinking_ = false;
    int blinkTag_ = 0;
    bool blinkOn_ = false;
};

}  // namespace kefelo::app
