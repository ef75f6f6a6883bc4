#include "core/app/directory_handover.h"

#include "core/app/long_path.h"
#include "core/app/run_decision.h"

namespace kefelo::app {
namespace {
// Drive paths and UNC paths ("\\server\share") are absolute; anything else is taken
// relative to the program's own directory.
bool isAbsolute(std::string_view path) { return path.find(':') != std::string_view::npos || path.starts_with("\\\\"); }

std::string folderOf(const std::string& path) {
    const size_t pos = path.find_last_of("\\/");
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}
}  // namespace

std::optional<std::string> buildHandoverPayload(platform::FileSystem& fs, const CommandLine& commandLine) {
    if (!isDirectoryStart(fs, commandLine)) return std::nullopt;
    return commandLine.first() + "|";
}

std::string handoverPathFromPayload(std::string_view payload) {
    return std::string(payload.substr(0, payload.find('|')));
}

std::optional<std::string> receiveHandover(platform::FileSystem& fs, const std::string& programDirectory,
                                           std::string_view payload, Activity activity) {
    std::string path = handoverPathFromPayload(payload);
    if (!isAbsolute(path)) path = programDirectory + path;

    const std::string saved = fs.currentDirectory();
    const std::string folder = folderOf(path);
    if (!folder.empty()) fs.setCurrentDirectory(folder);
    path = ExpandLongPath(fs, path);
    fs.setCurrentDirectory(saved);

    if (activity != Activity::Idle) return std::nullopt;
    return path;
}

}  // namespace kefelo::app
