#pragma once
// "autodel.bat" for the found files that a delete could not remove: their lines, and a
// new batch or the existing one extended.
#include <optional>
#include <string>
#include <vector>

#include "core/cleaning/autodel_operations.h"
#include "core/search/found_files_operations.h"
#include "platform/file_system.h"

namespace kefelo::cleaning {

// The existing batch's lines with the new ones put before its closing block, those it
// holds already (letter case ignored) left out. nullopt when the text does not end with
// the closing block, or with it and the code-page restore line (cut short or edited by
// hand): there is no safe place to put them. With `ntFamily` a batch of an older version,
// read in whatever code page the console had, gets the code-page switch after its first
// line and the restore line last, as the new lines may hold accented names.
std::optional<std::vector<std::string>> extendedBatchLines(std::vector<std::string> existing,
                                                           const std::vector<std::string>& additions, bool ntFamily);

// The lines of a batch that delete a listed file: its "del" lines, without the one that
// takes away the saved copy of autoexec.bat.
std::vector<std::string> batchEntries(const std::vector<std::string>& lines);

class FoundFilesAutodel : public search::UndeletableQueue {
public:
    FoundFilesAutodel(platform::FileSystem& fs, AutodelOperations& autodel) : fs_(fs), autodel_(autodel) {}

    std::optional<std::string> deleteLine(const std::string& path) override;
    bool batchExists() override;
    // A batch without its closing block is built anew from its own entries and these.
    bool extendBatch(const std::vector<std::string>& lines) override;
    void writeNewBatch(const std::vector<std::string>& lines) override;

private:
    bool writeBuilt(const std::vector<std::string>& entries, bool warnOnFailure);

    platform::FileSystem& fs_;
    AutodelOperations& autodel_;
};

}  // namespace kefelo::cleaning
