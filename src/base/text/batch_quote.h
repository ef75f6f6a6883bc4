#pragma once
// How a batch line of the program names a path. Shared by every batch the program writes.
#include <optional>
#include <string>
#include <string_view>

namespace kefelo::text {

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

}  // namespace kefelo::text
