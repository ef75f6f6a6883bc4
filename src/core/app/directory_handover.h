#pragma once
// A directory passed on the command line goes to the running copy (or to this copy's own
// main window) as a WM_COPYDATA text: the path followed by "|".
#include <optional>
#include <string>
#include <string_view>

#include "core/app/activity.h"
#include "core/app/command_line.h"
#include "platform/file_system.h"

namespace kefelo::app {

// The text to send, or nullopt when the first parameter is not an existing directory.
std::optional<std::string> buildHandoverPayload(platform::FileSystem& fs, const CommandLine& commandLine);

// The received bytes up to the first "|", or all of them when there is none.
std::string handoverPathFromPayload(std::string_view payload);

// The path made absolute against the program directory (which ends with "\") and expanded
// to long names; the current directory is moved to the path's folder for the lookup and
// put back afterwards. nullopt when the request is to be acknowledged and dropped because
// a search or a cleaning run is going on (activity not idle).
std::optional<std::string> receiveHandover(platform::FileSystem& fs, const std::string& programDirectory,
                                           std::string_view payload, Activity activity);

}  // namespace kefelo::app
