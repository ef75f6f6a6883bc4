#pragma once
// How a file the run could not delete gets into "autodel.bat".
#include <optional>
#include <string>

#include "core/cleaning/run_record.h"
#include "platform/file_system.h"

namespace kefelo::cleaning {

// The form of an existing path that a batch line names: the short (8.3) form, which a
// bare DOS prompt can reach too, or the long form where only that can be written;
// nullopt when neither can be written exactly (batchQuoted).
std::optional<std::string> batchPathOf(platform::FileSystem& fs, const std::string& path);

// The "del " line for an undeletable file. When no line can name the file exactly, it
// gets none (a "?" in its place would be a wildcard taking other files with it) and the
// log tells the user to delete it by hand.
void addUndeletableToBatch(platform::FileSystem& fs, RunRecord& record, const std::string& fullPath);

}  // namespace kefelo::cleaning
