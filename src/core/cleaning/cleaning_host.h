#pragma once
// What the cleaning run needs of the main window: every visible effect of a run goes
// through here. The main window implements it; core decides when and with what.
// Grid contents (marks, dates) live in the configuration model; the run calls
// listsChanged() after it changed them.
#include <string>

namespace kefelo::cleaning {

class CleaningLog;

enum class StatusAlignment { Left, Center };

class CleaningHost {
public:
    virtual ~CleaningHost() = default;

    // --- main window and pages ---
    virtual bool mainWindowVisible() = 0;
    // The page index of the main page control `pc` (0 = cleaning page).
    virtual int mainPage() = 0;
    virtual void setMainPage(int page) = 0;
    // The inner page control of the cleaning page `pcKefelas`: 0 lists, 1 report.
    virtual void setCleaningPage(int page) = 0;

    // --- the cleaning page ---
    virtual void setTrayCleanCaption(const std::string& caption) = 0;  // menu_trayclean
    virtual void setReportCaption(const std::string& caption) = 0;     // group_report
    virtual void showReportHalt(bool visible) = 0;                     // group_reporthalt
    virtual void showReportButtons(bool visible) = 0;                  // group_reportbuttons
    // Clears and hides `memo_cleanreport` for the run.
    virtual void hideLog() = 0;
    // Shows the log at the end of a run; the view copies `log` into the control now.
    virtual void showLog(const CleaningLog& log) = 0;
    // `mUtolsoUrit`, the path being worked on (its change handler sets the tray hint).
    virtual void setLastPathText(const std::string& text) = 0;
    virtual void focusReportButtons() = 0;
    // `buttonautodelbat` through `Gomb`.
    virtual void setAutodelButtonEnabled(bool enabled) = 0;
    // Makes a data row (0 = first row under the header) the current row of `list_projects`.
    virtual void setCurrentTaskRow(int row) = 0;
    // Marks or dates of `list_temps` / `list_projects` changed in the model: redraw them.
    virtual void listsChanged() = 0;

    // --- status bar and blinking ---
    virtual std::string statusText() = 0;
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setStatusAlignment(StatusAlignment alignment) = 0;
    // Starts `Villog` with its tag (the kind of work), or stops it.
    virtual void startBlinking(int tag) = 0;
    virtual void stopBlinking() = 0;
    virtual void setHourglassCursor(bool on) = 0;
    virtual void repaint() = 0;

    // --- tray, splash, taskbar ---
    virtual void setTrayHint(const std::string& hint) = 0;
    // Information icon, 10-second time-out.
    virtual void showTrayBalloon(const std::string& title, const std::string& text) = 0;
    virtual void showTrayIcon() = 0;
    virtual void showApplicationTaskbarWindow() = 0;
    // The splash strip of the automatic modes: its label text and the label's hint.
    virtual void setSplashPath(const std::string& label, const std::string& hint) = 0;
    virtual void hideSplash() = 0;

    // --- the window-was-visible flag and what the main window does with it ---
    virtual bool windowWasVisible() = 0;
    virtual void setWindowWasVisible(bool visible) = 0;
    // `PopUp` of the main window; does nothing while the window-was-visible flag is clear.
    virtual void popUp() = 0;
    // The tray toggle bringing the main window up from the tray.
    virtual void restoreFromTray() = 0;
    // `SearchVege`: when the main window is still hidden, resets the tray hint and
    // re-shows the secondary windows that were open.
    virtual void searchVege() = 0;
    // The quit routine has started (the tag of `check_beep` is 1): no more beeps.
    virtual bool quitting() = 0;
    virtual void beep() = 0;
    // The quit routine of the main window (saves, hides the tray icon, terminates).
    virtual void quit() = 0;
};

}  // namespace kefelo::cleaning
