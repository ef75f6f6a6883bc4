#pragma once
// `FileAge`: a file's last-write time as a DOS directory entry packs it.
#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace kefelo::app {

// Local time, date in the high 16 bits and time in the low 16 bits; -1 when the file cannot
// be looked up or its date lies outside what the packed form can hold (1980 to 2107).
int64_t FileAge(platform::FileSystem& fs, platform::Clock& clock, const std::string& path);

}  // namespace kefelo::app
