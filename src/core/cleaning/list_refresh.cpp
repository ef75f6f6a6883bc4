#include "core/cleaning/list_refresh.h"

#include <optional>

#include "base/time/datetime.h"

namespace kefelo::cleaning {
namespace {

std::string lastWriteDate(platform::Platform& platform, const std::string& path) {
    std::optional<platform::DirEntry> entry = platform.fs.find(path);
    if (!entry) return "0";
    const int64_t local = platform.clock.utcToLocal(entry->lastWriteUtc);
    return timeutil::formatDate(timeutil::dateOnly(timeutil::fromFileTime(local)), platform.sys.shortDateFormat());
}

}  // namespace

bool locationExists(platform::FileSystem& fs, const std::string& location) {
    if (location.empty()) return false;
    return fs.directoryExists(location.back() == '\\' ? location : location + "\\");
}

void refreshContainerList(config::ContainerGrid& containers, platform::Platform& platform) {
    for (config::ContainerRow& row : containers.rows) {
        if (row.path.empty()) continue;
        const bool exists = platform.fs.directoryExists(row.path);
        if (row.mark == config::Mark::None && exists) {
            row.mark = config::Mark::Inactive;
            row.modified = lastWriteDate(platform, row.path);
        } else if (!exists) {
            row.mark = config::Mark::None;
            row.modified = "0";
        }
    }
}

void refreshTaskList(config::TaskGrid& tasks, platform::FileSystem& fs) {
    for (config::TaskRow& row : tasks.rows) {
        if (row.location.empty()) continue;
        const bool exists = locationExists(fs, row.location);
        if (row.mark == config::Mark::None && exists) {
            row.mark = config::Mark::Inactive;
        } else if (!exists) {
            row.mark = config::Mark::None;
        }
    }
}

}  // namespace kefelo::cleaning
