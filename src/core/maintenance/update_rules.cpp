#include "core/maintenance/update_rules.h"

#include <cstdint>

#include "base/text/batch_code_page.h"
#include "base/text/codec.h"
#include "base/text/format.h"

namespace kefelo::maintenance {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\n' || bytes[i] == '\r') {
            lines.push_back(bytes.substr(start, i - start));
            if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    return lines;
}

std::optional<Sha256Digest> parseDigest(std::string_view hex) {
    if (hex.size() != 64) return std::nullopt;
    Sha256Digest digest{};
    for (size_t i = 0; i < 64; ++i) {
        const char c = hex[i];
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            return std::nullopt;
        digest[i / 2] = static_cast<uint8_t>(digest[i / 2] << 4 | v);
    }
    return digest;
}

std::string lastComponent(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A bare file name as "ren" takes its new name: quoted, every "%" doubled. Only for a name
// that text::batchQuoted has accepted as part of a full path.
std::string quotedName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '%') out += '%';
    }
    return out + "\"";
}

}  // namespace

std::string updateServerBase(const std::optional<std::string>& environmentValue) {
    std::string base = environmentValue ? std::string(trimmed(*environmentValue)) : std::string();
    if (base.empty()) base = kDefaultUpdateServer;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

std::optional<VersionOffer> parseVersionFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes.substr(0, kVersionFileLimit));
    if (lines.size() < 2) return std::nullopt;
    int64_t age = 0, size = 0;
    if (!text::parseDecimal(trimmed(lines[0]), age) || !text::parseDecimal(trimmed(lines[1]), size))
        return std::nullopt;
    // The packed age is a 32-bit pattern: written as signed or unsigned, it is the same.
    if (age < INT32_MIN || age > int64_t{UINT32_MAX} || size <= 0) return std::nullopt;
    if (static_cast<uint64_t>(size) > kMaxArchiveSize) return std::nullopt;
    VersionOffer offer;
    offer.fileAge = static_cast<int32_t>(static_cast<uint32_t>(age));
    offer.size = static_cast<uint64_t>(size);
    if (lines.size() > 2 && !trimmed(lines[2]).empty()) {
        offer.sha256 = parseDigest(trimmed(lines[2]));
        if (!offer.sha256) return std::nullopt;
    }
    return offer;
}

bool isNewer(int64_t executableFileAge, int32_t offeredFileAge) {
    return static_cast<int32_t>(executableFileAge) < offeredFileAge;
}

bool archiveMatches(std::string_view archive, const VersionOffer& offer) {
    if (archive.size() != offer.size) return false;
    return !offer.sha256 || sha256(archive) == *offer.sha256;
}

std::vector<size_t> entriesToUnpack(const std::vector<platform::ZipEntryInfo>& entries) {
    std::vector<size_t> chosen;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].directory && text::equalsNoCase(entries[i].name, kNewExecutableName)) chosen.push_back(i);
    }
    // Two entries of the same name: which one would win is up to the archive's order.
    if (chosen.size() > 1) chosen.clear();
    return chosen;
}

std::optional<BatchProgram> batchProgram(platform::FileSystem& fs, const std::string& programDirectory,
                                         const std::string& executablePath, text::BatchCharset charset) {
    std::string longFolder = programDirectory;
    while (!longFolder.empty() && longFolder.back() == '\\') longFolder.pop_back();
    const std::string shortFolder = fs.shortPath(longFolder);
    const std::string name = lastComponent(executablePath);
    const std::string shortName = lastComponent(fs.shortPath(executablePath));

    std::optional<std::string> folder;
    for (text::BatchCharset tried : {text::BatchCharset::Ascii, charset}) {
        for (const std::string& form : {shortFolder, longFolder}) {
            if (!folder && text::batchQuoted(form, tried)) folder = form + "\\";
        }
    }
    if (!folder) return std::nullopt;
    BatchProgram program{*folder, {}, name};
    for (text::BatchCharset tried : {text::BatchCharset::Ascii, charset}) {
        for (const std::string& form : {shortName, name}) {
            if (program.executable.empty() && !form.empty() && text::batchQuoted(*folder + form, tried))
                program.executable = *folder + form;
        }
    }
    if (program.executable.empty()) return std::nullopt;
    return program;
}

std::optional<std::string> batchFileOf(const BatchProgram& program, std::string_view fileName,
                                       text::BatchCharset charset) {
    return text::batchQuoted(program.folder + std::string(fileName), charset);
}

const std::string& batchPauseLine() {
    static const std::string line = "\"%SystemRoot%\\System32\\ping.exe\" -n 2 -w 1000 127.0.0.1 >nul";
    return line;
}

std::optional<std::vector<std::string>> updateBatchLines(const BatchProgram& program, int tries) {
    // The script is read in the program files' code page once its first lines switched to it.
    constexpr text::BatchCharset charset = text::BatchCharset::Windows1250;
    const std::optional<std::string> script = batchFileOf(program, kBatchName, charset);
    const std::optional<std::string> fresh = batchFileOf(program, kNewExecutableName, charset);
    const std::optional<std::string> previous = batchFileOf(program, kPreviousExecutableName, charset);
    const std::optional<std::string> old = text::batchQuoted(program.executable, charset);
    const std::optional<std::string> renamed = batchFileOf(program, program.name, charset);
    if (!script || !fresh || !previous || !old || !renamed) return std::nullopt;
    const std::string name = quotedName(program.name);

    std::vector<std::string> lines = {"@Echo OFF"};
    lines.insert(lines.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
    const std::vector<std::string> body = {
        // Another folder under the same name, or none: nothing to do there.
        "if not exist " + *script + " goto end",
        "if not exist " + *old + " goto end",
        "if not exist " + *fresh + " goto end",
        "set kefelo_tries=",
        // The running program can be read but not deleted: a copy is kept until the new
        // one runs, and the deletion tells when the old program has ended.
        ":wait",
        "copy /b /y " + *old + " " + *previous + " >nul",
        "if errorlevel 1 goto again",
        "if not exist " + *previous + " goto again",
        "del " + *old + " /q",
        "if not exist " + *old + " goto place",
        ":again",
        "if \"%kefelo_tries%\"==\"" + std::string(static_cast<size_t>(tries), 'x') + "\" goto keep",
        "set kefelo_tries=%kefelo_tries%x",
        batchPauseLine(),
        "goto wait",
        // Still held after every try: the old program stays and runs again.
        ":keep",
        "if exist " + *old + " del " + *previous + " /q",
        "start \"\" " + *old,
        "goto end",
        ":place",
        "ren " + *fresh + " " + name,
        // new.exe still there: held by another program; the old one goes back.
        "if exist " + *fresh + " goto back",
        "start \"\" " + *renamed + " /update",
        "if errorlevel 1 goto unplace",
        "del " + *previous + " /q",
        "goto end",
        ":unplace",
        "ren " + *renamed + " " + std::string(kNewExecutableName),
        ":back",
        "ren " + *previous + " " + name,
        "start \"\" " + *renamed,
        ":end",
        "set kefelo_tries=",
        "@Echo ON",
        text::batchCodePageRestore(),
    };
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

std::string lastUpdateCaption(timeutil::TDateTime lastAttempt, std::string_view shortDateFormat) {
    if (lastAttempt == 0.0) return "Még nem történt frissítés!";
    return "Utolsó frissítési kísérlet: " + timeutil::formatDate(lastAttempt, shortDateFormat);
}

}  // namespace kefelo::maintenance
