#include "core/app/startup_sequence.h"

#include "core/app/file_age.h"
#include "core/app/long_path.h"
#include "core/app/program_texts.h"
#include "core/app/writability.h"
#include "core/config/config_save.h"
#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::app {
namespace {
constexpr const char* kRestrictedLine = "! Korlatozott jogom van !";

bool ntFamily(platform::SystemInfo& sys) { return sys.platformId() >= 2; }

std::string quoted(const std::string& text) { return "\"" + text + "\""; }
}  // namespace

bool updateSearchElapsed(const config::ConfigModel& model, timeutil::TDateTime now, bool strictlyMore) {
    int64_t days = 0;
    if (!text::parseDecimal(model.edit_updatesearch, days)) return false;
    const double span = timeutil::daySpan(now, model.lastUpdateSearch);
    return strictlyMore ? span > static_cast<double>(days) : span >= static_cast<double>(days);
}

bool isUpdateRun(const config::ConfigModel& model, const CommandLine& commandLine, timeutil::TDateTime now) {
    if (commandLine.HasSwitch("updaterun")) return true;
    return commandLine.HasSwitch("") && model.check_updatesearch && updateSearchElapsed(model, now, false);
}

StartupResult runStartup(StartupHost& host, platform::Platform& platform, platform::Shell& shell, StartupState& state) {
    const CommandLine& cl = state.commandLine;
    const std::string& dir = state.programDirectory;

    // A second copy touches nothing: the running one takes the request.
    if (host.runningCopies() >= 2) {
        host.handOverToFirstCopy();
        return {StartupEnd::Handover, 0};
    }

    // The last save left these read-only.
    config::clearConfigFileAttributes(platform.fs, dir);

    state.start = decideRun(platform.fs, dir, cl, platform.clock.now());
    if (state.start.decision == RunDecision::Quit) return {StartupEnd::Quit, 0};

    const config::ConfigModel& preStart = host.buildMainWindow(false);

    if (!isProgramDirectoryWritable(platform.fs, dir)) {
        state.restrictedRights = true;
        if (platform.ui.message(platform::MessageKind::Warning, platform::Buttons::YesNo, writabilityWarning(dir)) ==
            platform::Answer::Yes) {
            shell.propertiesDialog(dir);
        }
    }

    host.setPreStart(true);

    state.firstRun =
        !platform.fs.fileExists(dir + std::string(config::kSettingsFileName)) && !cl.HasSwitch(kInstalledSwitch);
    if (state.firstRun) {
        host.setTrayHint(installTrayHint(state.fileVersion));
        host.enableActionsMenu(false);
        if (text::asciiLower(platform.sys.languageAbbreviation()) != "hun") {
            platform.ui.message(platform::MessageKind::Information, platform::Buttons::Ok, languageWarning());
        }
        host.setApplicationTitle(kInstallApplicationTitle);
        if (!host.runInstallWizard()) return {StartupEnd::InstallCancelled, 0};
    }

    host.enableActionsMenu(true);
    host.setPreStart(false);
    host.setApplicationTitle(kApplicationTitle);
    host.hideApplicationWindow();

    host.createSplash();
    const timeutil::TDateTime now = platform.clock.now();
    if (cl.params().empty() && preStart.check_updatesearch && updateSearchElapsed(preStart, now, true)) {
        host.setSplashText(kSplashUpdateSearchText);
    }

    host.createSecondaryWindows();
    host.showSplash();
    host.clearUpdateWizardDate();

    state.updateRun = isUpdateRun(preStart, cl, now);
    if (state.updateRun) {
        const bool announce = preStart.check_viewalerts && ntFamily(platform.sys);
        if (announce) {
            host.showUpdateTray(updateTrayHint(state.fileVersion), updateBalloonTitle(state.fileVersion),
                                kUpdateBalloonText);
        }
        if (host.runUpdateWizard()) return {StartupEnd::UpdateRestart, 0};
        host.hideTrayIcon();
        host.setTrayHint(programTitle(state.fileVersion));
    }

    host.setSplashText(kSplashLoadingText);
    state.keepSplash = state.start.automaticCleaningDue || cl.isAutoRun();

    host.buildMainWindow(true);
    if (state.restrictedRights) host.tesztBe(kRestrictedLine);
    // The language's own name ("magyar"), as GetWindowsLanguage gives it for LOCALE_SLANGUAGE.
    constexpr unsigned kLanguageName = 2;
    host.tesztBe("A Windows nyelve: " + quoted(text::lower(platform.sys.localeInfo(kLanguageName))));
    host.tesztBe("ParamStr-ek: " + quoted(cl.joined()));
    host.tesztBe("FileAge: " + std::to_string(FileAge(platform.fs, platform.clock, state.executablePath)));

    host.showApplicationWindowAndTray();

    state.directoryStart = isDirectoryStart(platform.fs, cl);
    if (state.directoryStart) {
        host.hideSplash();
        host.showInformationBalloon(searchBalloonTitle(state.fileVersion),
                                    searchBalloonText(ExpandLongPath(platform.fs, cl.first())));
    }

    if (state.start.automaticCleaningDue || cl.isAutoRun()) {
        host.makeSplashStrip(kSplashAutomaticText);
        host.startCleaningRun();
        if (host.terminated()) return {StartupEnd::Terminated, 0};
    }

    host.markMainWindowActive();
    if (mainWindowStartsVisible(cl, state.directoryStart)) host.showMainWindow();

    if (cl.isUpdate()) {
        platform.ui.message(platform::MessageKind::Information, platform::Buttons::Ok,
                            updatedMessage(state.fileVersion));
    }

    host.sendHandoverToSelf();
    host.syncUpdateWizardDate();
    return {StartupEnd::MessageLoop, host.runMessageLoop()};
}

}  // namespace kefelo::app
