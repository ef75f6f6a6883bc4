#pragma once
// Whether the program may create and delete its auxiliary files in its own directory.
#include <string>

#include "platform/file_system.h"

namespace kefelo::app {

inline constexpr const char* kWriteProbeFileName = "a.789";

// Removes a leftover probe file, writes a new one holding the line "1" and deletes it
// again; any failure means the directory is not writable.
bool isProgramDirectoryWritable(platform::FileSystem& fs, const std::string& directory);

}  // namespace kefelo::app
