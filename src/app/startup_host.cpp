#include "app/startup_host.h"

#include "app/resource.h"
#include "core/app/directory_handover.h"
#include "core/app/program_texts.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell_links.h"
#include "ui/common/window_faults.h"
#include "ui/maintenance/install_wizard_window.h"

namespace kefelo {

Win32Startup::Win32Startup(HINSTANCE instance, int showCommand, platform::Platform& platform,
                           platform::win32::Win32UiServices& ui, platform::win32::Win32Shell& shell,
                           app::StartupState& state)
    : instance_(instance), showCommand_(showCommand), platform_(platform), ui_(ui), shell_(shell), state_(state) {}

Win32Startup::~Win32Startup() {
    // The windows die after this object's members are gone: their faults go nowhere then.
    app::FaultReporter& faults = ui::windowFaults();
    faults.console = nullptr;
    faults.showError = nullptr;
    ui_.preTranslate = nullptr;
}

HICON Win32Startup::icon(bool small) const {
    return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_KEFELO), IMAGE_ICON,
                                         GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
                                         GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), LR_SHARED));
}

bool Win32Startup::initialise(timeutil::TDateTime startTime) {
    startTime_ = startTime;
    if (!application_.create(instance_, app::kApplicationTitle, icon(false), icon(true))) return false;
    shell_.setOwner(application_.hwnd());
    instances_ = std::make_unique<ui::InstanceHandler>(
        application_.hwnd(), ui::identityOfFile(platform::win32::widen(state_.executablePath)), startTime);
    return true;
}

int Win32Startup::runningCopies() {
    running_ = instances_->instances();
    // Two copies started at the same moment would each hand over to the other and both
    // end; a copy that started later is no one to hand over to.
    const HWND self = application_.hwnd();
    std::erase_if(running_, [&](const ui::InstanceInfo& copy) {
        return copy.applicationWindow != self && copy.startTime > startTime_;
    });
    return static_cast<int>(running_.size());
}

void Win32Startup::handOverToFirstCopy() {
    if (running_.empty()) return;
    const ui::InstanceInfo& first = running_.front();
    ui::activateInstanceWindow(first.applicationWindow);
    if (auto payload = app::buildHandoverPayload(platform_.fs, state_.commandLine); payload && first.mainWindow) {
        ui::sendSearchRequest(first.mainWindow, application_.hwnd(), *payload);
    }
}

const config::ConfigModel& Win32Startup::buildMainWindow(bool working) {
    if (!main_) {
        main_ = std::make_unique<ui::MainWindow>(session::SessionContext{platform_, shell_, state_.commandLine,
                                                                         state_.programDirectory, state_.fileVersion});
        main_->session().shell().keepSplash = state_.keepSplash;
        if (!main_->create(instance_, icon(false), icon(true), application_)) throw std::runtime_error("main window");
        instances_->setMainWindow(main_->hwnd());
        ui_.setOwner(main_->hwnd());
        ui_.preTranslate = [this](MSG& msg) { return preTranslate(msg); };
        connectWindowFaults();
    } else if (working) {
        main_->session().shell().keepSplash = state_.keepSplash;
        main_->reloadConfiguration();
    }
    return main_->session().config();
}

void Win32Startup::connectWindowFaults() {
    app::FaultReporter& faults = ui::windowFaults();
    faults.console = [this](const std::string& line) {
        if (main_) main_->session().shell().console.TesztBe(line);
    };
    faults.showError = [this](const std::string& text) {
        platform_.ui.message(platform::MessageKind::Error, platform::Buttons::Ok, text);
    };
    faults.quiet = state_.commandLine.isAutomatic();
}

void Win32Startup::setPreStart(bool preStart) { main_->session().shell().preStart = preStart; }

void Win32Startup::setApplicationTitle(const std::string& title) { application_.setTitle(title); }

void Win32Startup::setTrayHint(const std::string& hint) { main_->setTrayHint(hint); }

void Win32Startup::enableActionsMenu(bool enabled) { main_->enableActionsMenu(enabled); }

bool Win32Startup::runInstallWizard() {
    platform::win32::Win32ShellLinks links;
    ui::InstallWizardWindow wizard(platform_, shell_, links, state_.executablePath, state_.programDirectory,
                                   [this](HWND owner) { ui_.setOwner(owner ? owner : main_->hwnd()); },
                                   [this] { instances_.reset(); });
    // After an installation the installed copy takes over and this process ends.
    return wizard.run(instance_, icon(false)) == ui::InstallWizardWindow::Outcome::RunHere;
}

void Win32Startup::hideApplicationWindow() { application_.hideFromTaskbar(); }

void Win32Startup::showApplicationWindowAndTray() {
    application_.show();
    main_->showTray(false);
}

void Win32Startup::createSplash() { main_->createSplash(); }

void Win32Startup::setSplashText(const std::string& text) {
    if (ui::SplashWindow* splash = main_->splash()) splash->setStatusText(text);
}

void Win32Startup::showSplash() {
    if (ui::SplashWindow* splash = main_->splash()) splash->showCentred();
}

void Win32Startup::hideSplash() { main_->closeSplash(); }

void Win32Startup::makeSplashStrip(const std::string& text) {
    if (ui::SplashWindow* splash = main_->splash()) splash->makeStrip(text);
}

void Win32Startup::createSecondaryWindows() { main_->createSecondaryWindows(); }

void Win32Startup::clearUpdateWizardDate() {
    if (ui::TfrmUpdate* wizard = main_->updateWizard()) wizard->wizard().lastUpdateAttempt = 0.0;
}

void Win32Startup::syncUpdateWizardDate() {
    ui::TfrmUpdate* wizard = main_->updateWizard();
    if (wizard && wizard->wizard().lastUpdateAttempt == 0.0)
        wizard->wizard().lastUpdateAttempt = main_->session().config().lastUpdateSearch;
}

void Win32Startup::showUpdateTray(const std::string& hint, const std::string& balloonTitle,
                                  const std::string& balloonText) {
    main_->showTray(true);
    main_->setTrayHint(hint);
    main_->showBalloon(balloonTitle, balloonText, ui::BalloonIcon::Warning);
}

void Win32Startup::hideTrayIcon() { main_->hideTray(); }

bool Win32Startup::runUpdateWizard() {
    ui::TfrmUpdate* wizard = main_->updateWizard();
    if (!wizard) return false;
    wizard->hooks().hideSplash = [this] { main_->closeSplash(); };
    return wizard->runAutomatic();
}

void Win32Startup::tesztBe(const std::string& text) { main_->session().shell().console.TesztBe(text); }

void Win32Startup::showInformationBalloon(const std::string& title, const std::string& text) {
    main_->showBalloon(title, text, ui::BalloonIcon::Information);
}

void Win32Startup::startCleaningRun() { main_->session().startAutomaticRun(); }

bool Win32Startup::terminated() { return main_->terminated(); }

void Win32Startup::markMainWindowActive() { main_->session().shell().activationMark = true; }

void Win32Startup::showMainWindow() { main_->showFirst(showCommand_); }

void Win32Startup::sendHandoverToSelf() {
    if (auto payload = app::buildHandoverPayload(platform_.fs, state_.commandLine)) {
        ui::sendSearchRequest(main_->hwnd(), application_.hwnd(), *payload);
    }
}

bool Win32Startup::preTranslate(MSG& msg) {
    if (!main_) return false;
    if (main_->previewKey(msg)) return true;
    // Tab and arrow keys move between the controls of the pages.
    return IsWindow(main_->hwnd()) && IsDialogMessageW(main_->hwnd(), &msg);
}

int Win32Startup::runMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        if (preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace kefelo
