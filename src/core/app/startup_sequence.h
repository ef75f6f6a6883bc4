#pragma once
// The start-up of the process, from the command line to the message loop, with every run
// mode: hand-over to a running copy, quit, first run, update run, automatic cleaning, tray
// start, directory start and the normal start. The windows are the host's business.
#include <string>

#include "core/app/command_line.h"
#include "core/app/run_decision.h"
#include "core/config/config_model.h"
#include "base/time/datetime.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace kefelo::app {

// The process-wide start-up values.
struct StartupState {
    CommandLine commandLine;
    std::string programDirectory;  // with trailing "\"
    std::string executablePath;
    std::string fileVersion;
    bool restrictedRights = false;
    StartDecision start;
    bool directoryStart = false;
    // The splash stays up after the main window's first showing (the automatic modes).
    bool keepSplash = false;
    bool firstRun = false;
    bool updateRun = false;
};

class StartupHost {
public:
    virtual ~StartupHost() = default;

    // Copies of this executable that answer, this one included.
    virtual int runningCopies() = 0;
    // Brings the first other copy to the front and sends it the directory parameter.
    virtual void handOverToFirstCopy() = 0;

    // Builds the hidden main window, whose creation loads the configuration. The first build
    // serves the wizards; the working one (after them) reads what they wrote.
    virtual const config::ConfigModel& buildMainWindow(bool working) = 0;
    // The pre-start mark of the page control: the tray's restore command only fronts the
    // application while it is set.
    virtual void setPreStart(bool preStart) = 0;
    virtual void setApplicationTitle(const std::string& title) = 0;
    virtual void setTrayHint(const std::string& hint) = 0;
    virtual void enableActionsMenu(bool enabled) = 0;
    // Modal; false when the process ends here: the user quit, or the installed copy took over.
    virtual bool runInstallWizard() = 0;
    // Hidden and without a taskbar button: the tray icon is the way back.
    virtual void hideApplicationWindow() = 0;
    virtual void showApplicationWindowAndTray() = 0;

    virtual void createSplash() = 0;
    virtual void setSplashText(const std::string& text) = 0;
    // On top, cancel button hidden, shown and painted.
    virtual void showSplash() = 0;
    virtual void hideSplash() = 0;
    // The strip at the top of the screen with its cancel button, for the automatic modes.
    virtual void makeSplashStrip(const std::string& text) = 0;

    virtual void createSecondaryWindows() = 0;
    virtual void clearUpdateWizardDate() = 0;
    virtual void syncUpdateWizardDate() = 0;
    // The tray icon with the empty menu and a warning balloon, while the update check runs.
    virtual void showUpdateTray(const std::string& hint, const std::string& balloonTitle,
                                const std::string& balloonText) = 0;
    virtual void hideTrayIcon() = 0;
    // Modal; true when the wizard restarts the program with a new version.
    virtual bool runUpdateWizard() = 0;

    virtual void tesztBe(const std::string& text) = 0;
    virtual void showInformationBalloon(const std::string& title, const std::string& text) = 0;
    // The cleaning run, to its end (it pumps messages while it works).
    virtual void startCleaningRun() = 0;
    // The quit routine ran while the start-up was still going (during an automatic run).
    virtual bool terminated() = 0;
    virtual void markMainWindowActive() = 0;
    virtual void showMainWindow() = 0;
    // The directory parameter handed to this process's own main window.
    virtual void sendHandoverToSelf() = 0;
    virtual int runMessageLoop() = 0;
};

// The install wizard starts the installed copy with this switch: it has just been installed,
// so it does not offer the installation again although it has no settings yet.
inline constexpr const char* kInstalledSwitch = "installed";

enum class StartupEnd {
    Handover,          // another copy took the request
    Quit,              // "/a" with nothing due
    InstallCancelled,  // the install wizard was left without going on
    UpdateRestart,     // the update wizard restarts the program
    Terminated,        // the automatic run quit before the message loop
    MessageLoop,       // the program ran until it quit
};

struct StartupResult {
    StartupEnd end = StartupEnd::MessageLoop;
    int exitCode = 0;
};

// Fractional days since the last update search against the interval text of
// `edit_updatesearch`; `strictlyMore` asks for more days than the interval, otherwise at
// least as many. A text that is not a number is never due.
bool updateSearchElapsed(const config::ConfigModel& model, timeutil::TDateTime now, bool strictlyMore);

// The update wizard comes before the main window: asked for by "updaterun", or due while
// the option is on and the parameters allow it.
bool isUpdateRun(const config::ConfigModel& model, const CommandLine& commandLine, timeutil::TDateTime now);

// Runs the whole start-up. The state's command line, program directory, executable path
// and file version are set by the caller; the rest is filled in on the way.
StartupResult runStartup(StartupHost& host, platform::Platform& platform, platform::Shell& shell, StartupState& state);

}  // namespace kefelo::app
