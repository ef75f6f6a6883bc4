#pragma once
// The cleaning log on disk: "utolso.log" after every run, the user's own copy
// ("Naplózás"), and the tray hint while a run works. The print job's title is
// printJobTitle in cleaning_page_model.h.
#include <string>
#include <string_view>

#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/log_writer.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/system_info.h"
#include "platform/ui_services.h"

namespace kefelo::cleaning {

inline constexpr std::string_view kLastLogName = "utolso.log";

// DATE and TIME of this moment in the regional short-date and long-time formats.
NowTexts nowTexts(platform::Clock& clock, platform::SystemInfo& sys);

// What a saved log holds: while the plain-text switch is on, its lines in Windows-1250
// ending in CR LF; otherwise its RTF.
std::string logFileBytes(const CleaningLog& log);

// Writes the program directory's "utolso.log".
bool saveLastLog(platform::FileSystem& fs, const CleaningLog& log, const std::string& programDirectory);
// The same at the end of a run; outside the automatic modes a failure is reported.
bool saveLastLogAtRunEnd(platform::FileSystem& fs, platform::UiServices& ui, const CleaningLog& log,
                         const std::string& programDirectory, bool automaticMode);

// The file name with the extension of the chosen type (1 text, 2 RTF) unless it already
// ends in exactly that extension, letter case included.
std::string withLogExtension(const std::string& file, int filterIndex);

// "Naplózás" (button_reportsaveClick): asks for a file, sets the plain-text switch from the
// chosen type, asks before overwriting and saves.
void saveLogAs(CleaningLog& log, platform::FileSystem& fs, platform::UiServices& ui, bool viewAlerts);

// The tray hint while a run works on a path (mUtolsoUritChange, blinking tag 0).
std::string cleaningTrayHint(const std::string& fileVersion, const std::string& currentPath);

}  // namespace kefelo::cleaning
