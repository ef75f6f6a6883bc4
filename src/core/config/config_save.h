#pragma once
// Saving the configuration (`KilepesElottMent`): "konyvtarak.lst", "vedettek.lst" and
// "beallitasok.cfg", each left read-only.
#include <functional>
#include <string>
#include <vector>

#include "core/config/config_model.h"
#include "platform/platform.h"

namespace kefelo::config {

struct SaveContext {
    platform::Platform& platform;
    std::string programDirectory;  // with trailing "\"
    // The first command-line parameter: "/a" and "/autorun" keep the save silent.
    std::string firstParameter;
    // Stops a folder walk that may still run; may be empty.
    std::function<void()> stopWalk;
};

// Saves everything, warns about the list files that could not be written (unless in an
// automatic run) and returns their full paths. A failed settings record is not reported:
// the next start simply uses the defaults.
std::vector<std::string> KilepesElottMent(ConfigModel& model, const SaveContext& context);

// The record to save: the options from the model over the record last read.
Settings settingsFromModel(const ConfigModel& model);

// The warning about list files that could not be saved.
std::string failedSaveMessage(const std::vector<std::string>& failedPaths, const std::string& programDirectory);

// Start-up: the list, settings and log files lose the read-only attribute the last save
// left on them. Missing files are no error.
void clearConfigFileAttributes(platform::FileSystem& fs, const std::string& programDirectory);

}  // namespace kefelo::config
