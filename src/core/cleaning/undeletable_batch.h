#pragma once
// How a file the run could not delete gets into "autodel.bat".
#include <optional>
#include <string>

#include "core/cleaning/batch_text.h"
#include "core/cleaning/run_record.h"
#include "platform/file_system.h"

namespace kefelo::cleaning {

// The form of an existing path that a batch line names: the short (8.3) form, which a
// bare DOS prompt can reach too, or the long form where only that can be written. A form
// in plain ASCII comes first, as it reads right even where the code-page switch does not
// take; nullopt when no form can be written exactly in the charset (batchQuoted).
std::optional<std::string> batchPathOf(platform::FileSystem& fs, const std::string& path,
                                       BatchCharset charset = BatchCharset::Ascii);

// The "del " line for an undeletable file. When no line can name the file exactly, it
// gets none (a "?" in its place would be a wildcard taking other files with it) and the
// log tells the user to delete it by hand.
void addUndeletableToBatch(platform::FileSystem& fs, RunRecord& record, const std::string& fullPath);

}  // namespace kefelo::cleaning
