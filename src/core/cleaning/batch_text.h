#pragma once
// The text of "autodel.bat": every file a run could not delete, to be deleted at the next
// start of the computer (mBatKezd).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text/batch_quote.h"

namespace kefelo::cleaning {

// The quoting of every batch the program writes (text::batchQuoted), under the names the
// cleaning code has always used.
using text::BatchCharset;
using text::batchQuoted;

// The six lines that end every finished batch (before the restore line on NT).
const std::vector<std::string>& batchClosingBlock();

class BatchText {
public:
    // mBatKezd(1): the header and the welcome block (NT family or Windows 9x wording).
    void start(bool ntFamily);
    // "del " + the quoted path of an undeletable file; false, and no line, when the path
    // cannot be written exactly.
    bool addDelete(std::string_view path);
    // mBatKezd(0), first three steps: the restore lines on top, the closing block at the
    // end; on the NT family the code-page switch right after the first line and its
    // restore line last. Returns whether the batch holds entries (the last line before the
    // closing block contains "del"). A program directory that no line can name exactly
    // gets no copy and del lines: with a wildcard in them they could put another file in
    // place of autoexec.bat.
    bool finish(const std::string& programDir, char windowsDrive);

    // What the batch's lines may hold: Windows 9x has no way to switch the code page.
    BatchCharset charset() const { return ntFamily_ ? BatchCharset::Windows1250 : BatchCharset::Ascii; }
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

private:
    std::vector<std::string> lines_;
    bool ntFamily_ = true;
};

}  // namespace kefelo::cleaning
