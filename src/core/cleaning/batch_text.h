#pragma once
// The text of "autodel.bat": every file a run could not delete, to be deleted at the next
// start of the computer (mBatKezd).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::cleaning {

// How the interpreter that runs a batch reads the bytes above ASCII.
enum class BatchCharset {
    // Nothing tells it the file's code page (command.com, autoexec.bat): it reads them in
    // whatever code page the console has, so only ASCII means the same everywhere.
    Ascii,
    // The batch opens with text::batchCodePageSwitch(), so its lines are read in Windows-1250,
    // the code page the file is written in.
    Windows1250,
};

// A path as a batch line names it: in quotes, every "%" doubled, so that no character of
// a file name ("&", "^", "(", "%NAME%", a blank) acts as batch syntax. nullopt when no
// quoted form names exactly this path: a character the charset cannot carry (above ASCII
// for Ascii; outside Windows-1250 for Windows1250, where a "?" would stand in as a
// wildcard), a quote, a wildcard, a control character, a separator or ":" inside a name,
// a name ending in "." or " " (Windows drops those, so the line would name another file),
// a path that is not absolute, or a line too long for cmd.
std::optional<std::string> batchQuoted(std::string_view path, BatchCharset charset = BatchCharset::Ascii);

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
