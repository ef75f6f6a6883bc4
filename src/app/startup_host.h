#pragma once
// The Win32 side of the start-up: the application window, the single-instance handler,
// the main window with its splash, tray and secondary windows, and the message loop.
#include <windows.h>

#include <memory>

#include "core/app/startup_sequence.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_ui_services.h"
#include "ui/app/application_window.h"
#include "ui/app/instances.h"
#include "ui/app/main_window.h"

namespace kefelo {

class Win32Startup : public app::StartupHost {
public:
    Win32Startup(HINSTANCE instance, int showCommand, platform::Platform& platform,
                 platform::win32::Win32UiServices& ui, platform::win32::Win32Shell& shell, app::StartupState& state);
    ~Win32Startup() override;

    // The application window and the instance handler, before anything else happens.
    bool initialise(timeutil::TDateTime startTime);

    int runningCopies() override;
    void handOverToFirstCopy() override;
    const config::ConfigModel& buildMainWindow(bool working) override;
    void setPreStart(bool preStart) override;
    void setApplicationTitle(const std::string& title) override;
    void setTrayHint(const std::string& hint) override;
    void enableActionsMenu(bool enabled) override;
    bool runInstallWizard() override;
    void hideApplicationWindow() override;
    void showApplicationWindowAndTray() override;
    void createSplash() override;
    void setSplashText(const std::string& text) override;
    void showSplash() override;
    void hideSplash() override;
    void makeSplashStrip(const std::string& text) override;
    void createSecondaryWindows() override;
    void clearUpdateWizardDate() override;
    void syncUpdateWizardDate() override;
    void showUpdateTray(const std::string& hint, const std::string& balloonTitle,
                        const std::string& balloonText) override;
    void hideTrayIcon() override;
    bool runUpdateWizard() override;
    void tesztBe(const std::string& text) override;
    void showInformationBalloon(const std::string& title, const std::string& text) override;
    void startCleaningRun() override;
    bool terminated() override;
    void markMainWindowActive() override;
    void showMainWindow() override;
    void sendHandoverToSelf() override;
    int runMessageLoop() override;

private:
    HICON icon(bool small) const;
    // The main window's keys and dialog navigation, for the main loop and a walk's pump.
    bool preTranslate(MSG& msg);
    // Faults caught in window procedures go to the main window's console and, for a
    // failed command of the user, to an error box.
    void connectWindowFaults();

    HINSTANCE instance_;
    int showCommand_;
    platform::Platform& platform_;
    platform::win32::Win32UiServices& ui_;
    platform::win32::Win32Shell& shell_;
    app::StartupState& state_;
    ui::ApplicationWindow application_;
    std::unique_ptr<ui::InstanceHandler> instances_;
    std::vector<ui::InstanceInfo> running_;
    timeutil::TDateTime startTime_ = 0.0;
    std::unique_ptr<ui::MainWindow> main_;
};

}  // namespace kefelo
