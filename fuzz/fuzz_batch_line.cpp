// Builds the "del " line of autodel.bat for arbitrary file names, with and without short
// forms, and checks it against a plain reading of how cmd and Windows take a quoted path:
// the line is either absent or a quoted path with every "%" doubled, nothing outside
// ASCII (or, where the batch switches its code page, nothing outside Windows-1250), and
// naming exactly the file (or its short form). A path that reads cleanly must get its line.
//
// Input: a flag byte (bit 0: the file has a short name, bit 1: the folder has one), then
// up to three parts separated by a zero byte: file name, its short name, folder name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cleaning/batch_text.h"
#include "core/cleaning/run_record.h"
#include "core/cleaning/undeletable_batch.h"
#include "base/text/codec.h"
#include "platform/fake/fake_file_system.h"

using kefelo::cleaning::BatchCharset;
using kefelo::cleaning::batchQuoted;

namespace {

void check(bool ok) {
    if (!ok) abort();
}

std::vector<std::string_view> split(std::string_view s, char at) {
    std::vector<std::string_view> out;
    for (size_t start = 0;;) {
        size_t end = s.find(at, start);
        out.push_back(s.substr(start, end - start));
        if (end == std::string_view::npos) return out;
        start = end + 1;
    }
}

// Every character is printable and one the batch's charset carries (ASCII where nothing
// tells cmd the file's code page; Windows-1250 where the batch switches to it), and none is
// one that cmd or Windows would read as something else than a character of a name.
bool plainCharacters(std::string_view path, BatchCharset charset) {
    if (charset == BatchCharset::Windows1250 && !kefelo::text::fitsCp1250(path)) return false;
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || (byte >= 0x80 && charset == BatchCharset::Ascii)) return false;
        if (std::string_view("\"*?<>|:/").find(c) != std::string_view::npos) return false;
    }
    return true;
}

// "X:\" and names that Windows keeps as they are.
bool cleanAbsolutePath(std::string_view path, BatchCharset charset) {
    if (path.size() < 4 || path[1] != ':' || path[2] != '\\') return false;
    const char drive = path[0];
    if (!((drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z'))) return false;
    if (!plainCharacters(path.substr(0, 1), charset) || !plainCharacters(path.substr(3), charset)) return false;
    for (std::string_view name : split(path.substr(3), '\\')) {
        if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ') return false;
    }
    return path.size() <= 4000;
}

// The quoted form as cmd reads it back: quotes off, "%%" to "%".
std::optional<std::string> unquote(std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
    std::string out;
    const std::string_view inner = quoted.substr(1, quoted.size() - 2);
    for (size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '"') return std::nullopt;
        if (inner[i] == '%') {
            if (i + 1 >= inner.size() || inner[i + 1] != '%') return std::nullopt;  // a "%" left to expand
            ++i;
        }
        out += inner[i];
    }
    return out;
}

void checkQuoted(const std::string& path, BatchCharset charset) {
    const std::optional<std::string> quoted = batchQuoted(path, charset);
    if (!quoted) {
        // Drive paths that read cleanly are never refused (UNC paths are not made here).
        check(!cleanAbsolutePath(path, charset));
        return;
    }
    check(unquote(*quoted) == path);
    check(cleanAbsolutePath(path, charset));
}

bool quotable(const std::string& path) {
    return batchQuoted(path, BatchCharset::Ascii) || batchQuoted(path, BatchCharset::Windows1250);
}

// A name the fake tree can hold as one entry.
std::string entryName(std::string_view raw) {
    std::string name(raw);
    for (char& c : name) {
        if (c == '\\' || c == '/') c = '_';
    }
    if (name.empty() || name == "." || name == "..") name = "x" + name;
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t flags = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string_view> parts = split(rest, '\0');

    // Any text after a folder, separators and all.
    for (BatchCharset charset : {BatchCharset::Ascii, BatchCharset::Windows1250})
        checkQuoted("C:\\T\\" + std::string(parts[0]), charset);

    try {
        namespace fake = kefelo::platform::fake;
        fake::FakeFileSystem fs;
        const std::string folder = "C:\\" + (parts.size() > 2 ? entryName(parts[2]) : std::string("Temp"));
        const std::string full = folder + "\\" + entryName(parts[0]);
        fs.addFile(full);
        if ((flags & 1) && parts.size() > 1) fs.setShortName(full, entryName(parts[1]));
        if (flags & 2) fs.setShortName(folder, "FOLDER~1");
        const std::string shortForm = fs.shortPath(full);

        kefelo::cleaning::RunRecord record([] { return kefelo::cleaning::NowTexts{"d", "t"}; });
        kefelo::cleaning::addUndeletableToBatch(fs, record, full);
        const std::vector<std::string>& lines = record.batch.lines();
        const bool writable = quotable(full) || quotable(shortForm);
        if (lines.empty()) {
            check(!writable);
            check(record.log.text().find("kézzel kell törölni") != std::string::npos);
            return 0;
        }
        check(writable && lines.size() == 1 && record.log.empty());
        check(lines[0].starts_with("del "));
        const std::optional<std::string> named = unquote(std::string_view(lines[0]).substr(4));
        check(named == shortForm || named == full);
        check(cleanAbsolutePath(*named, BatchCharset::Windows1250));
        // The plain 8.3 form wins over an accented long one.
        if (batchQuoted(shortForm, BatchCharset::Ascii)) check(named == shortForm || batchQuoted(full));
    } catch (const std::exception&) {
        // A name the fake tree refuses (a clash of short names) is not a case to judge.
    }
    return 0;
}
