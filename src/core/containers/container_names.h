#pragma once
// What the container and task grids need to know about a row's folder.
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kefelo::containers {

// What follows the last "\" of a path ("C:\Windows\Temp" -> "Temp"; "D:" stays "D:").
std::string_view lastPathComponent(std::string_view path);

// A folder named like one of the standard temporary folders ("temp", "templates",
// "temporary internet files", "cookies"), letter case ignored. The container grid draws
// every other container in warning colours.
bool isStandardContainerName(std::string_view path);

// Whether a row's folder exists. A bare drive ("D:") means its root: without the
// backslash the system would look at the drive's current directory instead.
bool folderExists(platform::FileSystem& fs, std::string_view path);

}  // namespace kefelo::containers
