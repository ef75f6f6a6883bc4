#include "core/app/file_age.h"

#include "base/time/datetime.h"

namespace kefelo::app {

int64_t FileAge(platform::FileSystem& fs, platform::Clock& clock, const std::string& path) {
    const auto entry = fs.find(path);
    if (!entry) return -1;
    const timeutil::CivilTime local = timeutil::toCivil(timeutil::fromFileTime(clock.utcToLocal(entry->lastWriteUtc)));
    if (local.year < 1980 || local.year > 2107) return -1;
    return timeutil::toDosDateTime(local);
}

}  // namespace kefelo::app
