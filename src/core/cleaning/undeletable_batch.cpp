#include "core/cleaning/undeletable_batch.h"

namespace kefelo::cleaning {

std::optional<std::string> batchPathOf(platform::FileSystem& fs, const std::string& path) {
    std::string shortForm = fs.shortPath(path);
    if (batchQuoted(shortForm)) return shortForm;
    if (batchQuoted(path)) return path;
    return std::nullopt;
}

void addUndeletableToBatch(platform::FileSystem& fs, RunRecord& record, const std::string& fullPath) {
    std::optional<std::string> path = batchPathOf(fs, fullPath);
    if (!path || !record.batch.addDelete(*path)) record.writer.deleteByHand(fullPath);
}

}  // namespace kefelo::cleaning
