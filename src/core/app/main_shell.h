#pragma once
// What the main window does around its pages: creation-time files and loading, the first
// showing, the tray toggle and its menu, balloons, closing to the tray or quitting, the
// busy guard, the blinking status text, the end beep and the activation refresh. The
// window itself (ShellViews) only carries these out; the pages' work reaches the window
// through frame().
#include <functional>
#include <string>
#include <vector>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "core/app/diagnostic_console.h"
#include "core/app/main_frame.h"
#include "core/app/shell_views.h"
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

struct ShellContext {
    platform::Platform& platform;
    const CommandLine& commandLine;
    std::string programDirectory;  // with trailing "\"
    std::string fileVersion;
    config::ConfigModel& config;
    config::MaskTable& masks;
    // The tag of the folder walker `Search`.
    Activity& activity;
    // Raises the walker's stop flag.
    std::function<void()> stopWalk;
    // Page 0 of the cleaning page's `pcKefelas` (the lists) comes up.
    std::function<void()> showCleaningLists;
    // Stops whatever operation runs as its own stop button would (its log and batch are
    // written), and leaves the activity code idle, so every loop still on the stack ends.
    std::function<void()> haltOperation;
};

// Texts of the blinking status: by the kind of work, and the splash's in an automatic run.
std::string blinkStatusText(int tag);
inline constexpr const char* kAutomaticBlinkText = "A Kefeló automatikus futtatása zajlik! Kérem, várjon...";
inline constexpr const char* kUpdateLeftoversLine = "Az update atmeneti allomanyainak torlesi kiserlete folyik";

class MainShell {
public:
    MainShell(ShellViews views, ShellContext context);
    MainShell(const MainShell&) = delete;
    MainShell& operator=(const MainShell&) = delete;

    // The main window, tray and splash for the work of the pages.
    MainFrame& frame() { return frame_; }

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
    // Windows is ending the session: the program quits as "Kilépés" would, now, since the
    // process does not outlive this message.
    void endSession();
    // The uninstaller's hold on `menuitem_actions`: marked and disabled while it asks.
    void holdActionsItem(bool held);
    // The uninstaller's end: the walk stops and the program ends without saving again.
    void endWithoutSaving();
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
    class Frame : public MainFrame {
    public:
        explicit Frame(MainShell& shell) : shell_(shell) {}
        bool mainWindowVisible() override { return shell_.views_.window.mainVisible(); }
        void bringMainToFront() override { shell_.views_.window.showMain(); }
        void showApplicationTaskbarWindow() override { shell_.views_.window.showApplicationTaskbarWindow(); }
        void repaint() override { shell_.views_.window.repaint(); }
        void setHourglassCursor(bool on) override { shell_.views_.window.setHourglassCursor(on); }
        bool windowWasVisible() override { return shell_.windowWasVisible; }
        void setWindowWasVisible(bool visible) override { shell_.windowWasVisible = visible; }
        void popUp() override { shell_.PopUp(); }
        void restoreFromTray() override;
        void searchVege() override { shell_.SearchVege(); }
        void setTrayHint(const std::string& hint) override { shell_.views_.tray.setTrayHint(hint); }
        void setTrayCleanCaption(const std::string& caption) override {
            shell_.views_.tray.setTrayCleanCaption(caption);
        }
        void showTrayIcon() override { shell_.views_.tray.showTrayIcon(); }
        void showTrayBalloon(const std::string& title, const std::string& text) override {
            shell_.views_.tray.showBalloon(title, text);
        }
        void hideBalloon() override { shell_.views_.tray.hideBalloon(); }
        void setSplashPath(const std::string& label, const std::string& hint) override {
            shell_.views_.splash.setSplashPath(label, hint);
        }
        void hideSplash() override { shell_.views_.splash.hideSplash(); }
        bool quitting() override { return shell_.quitting; }
        void beep() override { shell_.views_.window.beep(); }
        void quit() override { shell_.Kilps1Click(); }

    private:
        MainShell& shell_;
    };

    // The error about list files that exist but could not be read, once a session and
    // never in an automatic run.
    void reportUnreadableLists();
    bool anySecondaryVisible();
    bool anySecondaryMarked();

    ShellViews views_;
    ShellContext ctx_;
    Frame frame_{*this};
    std::vector<SecondaryWindow*> secondaries_;
    SecondaryWindow* zip_ = nullptr;
    bool quitRunning_ = false;
    std::vector<std::string> toldUnreadable_;
    bool blinking_ = false;
    int blinkTag_ = 0;
    bool blinkOn_ = false;
};

}  // namespace kefelo::app
