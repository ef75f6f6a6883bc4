#pragma once
// Short (8.3) path components turned back into the names the file system reports.
#include <string>

#include "platform/file_system.h"

namespace kefelo::app {

// Looks up the whole path and then each parent up to the drive, replacing every component
// by its reported name. A path that cannot be found comes back unchanged; the walk stops
// quietly at the first parent that cannot be looked up and keeps the rest as given.
std::string ExpandLongPath(platform::FileSystem& fs, const std::string& path);

}  // namespace kefelo::app
