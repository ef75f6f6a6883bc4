#pragma once
// Loading the configuration while the main window is created: "konyvtarak.lst", then
// "beallitasok.cfg", then "vedettek.lst".
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/config_model.h"
#include "platform/platform.h"

namespace kefelo::config {

struct LoadContext {
    platform::Platform& platform;
    std::string programDirectory;  // with trailing "\"
    // Screen size, for centring the window when there are no stored settings.
    int screenWidth = 0;
    int screenHeight = 0;
    // The diagnostic console (`TesztBe`); it decides itself whether diagnostic mode is on.
    std::function<void(const std::string&)> tesztBe;
};

// The whole load into a fresh model. Setting the check boxes does not run their click
// handlers here: the caller runs the ones with effects outside this model (the Run-key
// entry) once the model is loaded.
void loadConfiguration(ConfigModel& model, const LoadContext& context);

// The steps one by one, for callers that need them apart.
void loadListFile(ConfigModel& model, platform::Platform& platform, const std::string& programDirectory);
void loadSettings(ConfigModel& model, const LoadContext& context);
void loadProtectedNames(ConfigModel& model, platform::Platform& platform, const std::string& programDirectory);

// A list file that exists but could not be read at the last load, and the sentence that
// says which list failed.
struct UnreadableList {
    std::string path;
    std::string_view failure;
};
std::vector<UnreadableList> unreadableLists(const ConfigModel& model, const std::string& programDirectory);
// The error shown about them: which files, and that this session leaves them as they are.
std::string unreadableListsMessage(const std::vector<UnreadableList>& lists);

// Date column refresh (`list_tempsModified`): the last-write date of every container that
// exists; the others lose their mark and show "0". Pumps messages after each row.
void list_tempsModified(ContainerGrid& containers, platform::Platform& platform);

// After the rest of the window's creation: an empty or missing ZIP target directory
// becomes the program directory + "Zipped".
void applyZipDirectoryDefault(ConfigModel& model, platform::FileSystem& fs, const std::string& programDirectory);

}  // namespace kefelo::config
