#include "core/app/run_decision.h"

#include <optional>

namespace kefelo::app {

bool isAutomaticCleaningDue(const config::Settings& settings, timeutil::TDateTime now) {
    if (!settings.autoClean) return false;
    const double daysSinceLast = timeutil::dateOnly(now) - settings.lastCleaning;
    return static_cast<double>(settings.autoCleanDays) <= daysSinceLast;
}

StartDecision decideRun(const config::Settings* settings, const CommandLine& commandLine, timeutil::TDateTime now) {
    StartDecision result;
    if (settings == nullptr || !commandLine.isAutoStart()) return result;
    result.automaticCleaningDue = isAutomaticCleaningDue(*settings, now);
    if (settings->startWithWindows) {
        result.decision = RunDecision::TrayStart;
    } else if (!result.automaticCleaningDue) {
        result.decision = RunDecision::Quit;
    }
    return result;
}

StartDecision decideRun(platform::FileSystem& fs, const std::string& programDirectory, const CommandLine& commandLine,
                        timeutil::TDateTime now) {
    std::optional<config::Settings> settings;
    if (auto bytes = fs.readFile(programDirectory + std::string(config::kSettingsFileName))) {
        settings = config::decodeSettingsRecord(*bytes);
    }
    return decideRun(settings ? &*settings : nullptr, commandLine, now);
}

bool isDirectoryStart(platform::FileSystem& fs, const CommandLine& commandLine) {
    return !commandLine.first().empty() && fs.directoryExists(commandLine.first());
}

bool mainWindowStartsVisible(const CommandLine& commandLine, bool directoryStart) {
    return !commandLine.isAutomatic() && !directoryStart;
}

}  // namespace kefelo::app
