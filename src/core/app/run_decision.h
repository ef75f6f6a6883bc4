#pragma once
// How this run starts: decided from the first parameter and the settings file before
// any window exists.
#include <string>

#include "core/app/command_line.h"
#include "core/config/config_model.h"
#include "base/time/datetime.h"
#include "platform/file_system.h"

namespace kefelo::app {

enum class RunDecision { Normal, Quit, TrayStart };

struct StartDecision {
    RunDecision decision = RunDecision::Normal;
    bool automaticCleaningDue = false;
};

// Enabled and at least the interval in whole days since the last cleaning, counted from
// today's date without its time of day. Never cleaned (0.0) or interval 0: due.
bool isAutomaticCleaningDue(const config::Settings& settings, timeutil::TDateTime now);

// Only "/a" can quit or start in the tray; an unreadable settings file leaves a normal start.
StartDecision decideRun(const config::Settings* settings, const CommandLine& commandLine, timeutil::TDateTime now);
StartDecision decideRun(platform::FileSystem& fs, const std::string& programDirectory, const CommandLine& commandLine,
                        timeutil::TDateTime now);

// The first parameter names an existing directory: search it instead of a normal start.
bool isDirectoryStart(platform::FileSystem& fs, const CommandLine& commandLine);

// The automatic modes and a directory start keep the main window hidden.
bool mainWindowStartsVisible(const CommandLine& commandLine, bool directoryStart);

}  // namespace kefelo::app
