#include "core/cleaning/undeletable_batch.h"

namespace kefelo::cleaning {

std::optional<std::string> batchPathOf(platform::FileSystem& fs, const std::string& path, BatchCharset charset) {
    const std::string shortForm = fs.shortPath(path);
    for (BatchCharset tried : {BatchCharset::Ascii, charset}) {
        if (batchQuoted(shortForm, tried)) return shortForm;
        if (batchQuoted(path, tried)) return path;
    }
    return std::nullopt;
}

void addUndeletableToBatch(platform::FileSystem& fs, RunRecord& record, const std::string& fullPath) {
    std::optional<std::string> path = batchPathOf(fs, fullPath, record.batch.charset());
    if (!path || !record.batch.addDelete(*path)) record.writer.deleteByHand(fullPath);
}

}  // namespace kefelo::cleaning
