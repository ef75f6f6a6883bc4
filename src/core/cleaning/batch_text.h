#pragma once
// The text of "autodel.bat": every file a run could not delete, to be deleted at the next
// start of the computer (mBatKezd).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::cleaning {

// A path as a batch line names it: in quotes, every "%" doubled, so that no character of
// a file name ("&", "^", "(", "%NAME%", a blank) acts as batch syntax. nullopt when no
// quoted form names exactly this path: a character outside ASCII (cmd reads the batch in
// the OEM code page, where accented letters differ; the 8.3 form is preferred), a quote, a wildcard, a control character, a separator
// or ":" inside a name, a name ending in "." or " " (Windows drops those, so the line
// would name another file), a path that is not absolute, or a line too long for cmd.
std::optional<std::string> batchQuoted(std::string_view path);

// The six lines that end every finished batch.
const std::vector<std::string>& batchClosingBlock();

class BatchText {
public:
    // mBatKezd(1): the header and the welcome block (NT family or Windows 9x wording).
    void start(bool ntFamily);
    // "del " + the quoted path of an undeletable file; false, and no line, when the path
    // cannot be written exactly.
    bool addDelete(std::string_view path);
    // mBatKezd(0), first three steps: the restore lines on top, the closing block at the
    // end. Returns whether the batch holds entries (the last line before the closing
    // block contains "del"). A program directory that no line can name exactly gets no
    // copy and del lines: with a wildcard in them they could put another file in place
    // of autoexec.bat.
    bool finish(const std::string& programDir, char windowsDrive);

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

private:
    std::vector<std::string> lines_;
};

}  // namespace kefelo::cleaning
