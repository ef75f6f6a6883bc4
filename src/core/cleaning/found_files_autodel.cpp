#include "core/cleaning/found_files_autodel.h"
#include "base/text/batch_code_page.h"

#include <algorithm>

#include "base/text/codec.h"
#include "core/cleaning/undeletable_batch.h"

namespace kefelo::cleaning {
namespace {

bool holdsLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return text::equalsNoCase(l, line); });
}

bool startsNoCase(const std::string& line, std::string_view prefix) {
    return line.size() >= prefix.size() && text::equalsNoCase(std::string_view(line).substr(0, prefix.size()), prefix);
}

}  // namespace

std::optional<std::vector<std::string>> extendedBatchLines(std::vector<std::string> existing,
                                                           const std::vector<std::string>& additions, bool ntFamily) {
    // An editor may leave blank lines after the end.
    while (!existing.empty() && existing.back().empty()) existing.pop_back();
    const bool restores = !existing.empty() && existing.back() == text::batchCodePageRestore();
    if (restores) existing.pop_back();
    const std::vector<std::string>& closing = batchClosingBlock();
    if (existing.size() <= closing.size() ||
        !std::equal(closing.begin(), closing.end(), existing.end() - closing.size()))
        return std::nullopt;
    std::vector<std::string> added;
    for (const std::string& line : additions)
        if (!holdsLine(existing, line) && !holdsLine(added, line)) added.push_back(line);
    existing.insert(existing.end() - static_cast<std::ptrdiff_t>(closing.size()), added.begin(), added.end());
    if (!ntFamily && !restores) return existing;

    const std::vector<std::string>& codePageSwitch = text::batchCodePageSwitch();
    if (std::search(existing.begin(), existing.end(), codePageSwitch.begin(), codePageSwitch.end()) == existing.end()) {
        // After the batch's own "@ECHO OFF", before any line that names a file.
        const auto at = existing.begin() + (text::equalsNoCase(existing.front(), "@ECHO OFF") ? 1 : 0);
        existing.insert(at, codePageSwitch.begin(), codePageSwitch.end());
    }
    existing.push_back(text::batchCodePageRestore());
    return existing;
}

std::vector<std::string> batchEntries(const std::vector<std::string>& lines) {
    std::vector<std::string> entries;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!startsNoCase(lines[i], "del ")) continue;
        const bool restoresStartup = i > 0 && startsNoCase(lines[i - 1], "copy ") &&
                                     text::containsNoCase(lines[i - 1], "autoexec.bat") &&
                                     text::containsNoCase(lines[i], "autoexec.bat");
        if (!restoresStartup) entries.push_back(lines[i]);
    }
    return entries;
}

std::optional<std::string> FoundFilesAutodel::deleteLine(const std::string& path) {
    const BatchCharset charset = autodel_.ntFamily() ? BatchCharset::Windows1250 : BatchCharset::Ascii;
    const std::optional<std::string> form = batchPathOf(fs_, path, charset);
    if (!form) return std::nullopt;
    const std::optional<std::string> quoted = batchQuoted(*form, charset);
    if (!quoted) return std::nullopt;
    return "del " + *quoted;
}

bool FoundFilesAutodel::batchExists() { return fs_.fileExists(autodel_.autodelPath()); }

bool FoundFilesAutodel::writeBuilt(const std::vector<std::string>& entries, bool warnOnFailure) {
    BatchText batch;
    batch.start(autodel_.ntFamily());
    std::vector<std::string> lines = batch.lines();
    lines.push_back("");
    for (const std::string& entry : entries)
        if (!holdsLine(lines, entry)) lines.push_back(entry);
    batch.setLines(std::move(lines));
    if (!autodel_.finishAndWrite(batch, warnOnFailure)) return false;
    autodel_.setRunEnded();
    return true;
}

void FoundFilesAutodel::writeNewBatch(const std::vector<std::string>& lines) { writeBuilt(lines, true); }

bool FoundFilesAutodel::extendBatch(const std::vector<std::string>& lines) {
    const std::string path = autodel_.autodelPath();
    const std::optional<std::string> bytes = fs_.readFile(path);
    if (!bytes) return false;
    const std::vector<std::string> existing = text::decodeLines(*bytes);
    const std::optional<std::vector<std::string>> extended = extendedBatchLines(existing, lines, autodel_.ntFamily());
    if (!extended) {
        std::vector<std::string> entries = batchEntries(existing);
        entries.insert(entries.end(), lines.begin(), lines.end());
        return writeBuilt(entries, false);
    }
    const std::optional<uint32_t> attributes = fs_.getAttributes(path);
    fs_.setAttributes(path, 0);
    const bool written = fs_.writeFileAtomic(path, text::encodeLines(*extended));
    if (attributes) fs_.setAttributes(path, *attributes);
    if (written) autodel_.setRunEnded();
    return written;
}

}  // namespace kefelo::cleaning
