#include "core/maintenance/update_rules.h"
#include "base/text/batch_code_page.h"

#include <cstdint>

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

std::optional<std::vector<std::string>> updateBatchLines(const std::string& executableName) {
    // The script is read in the program files' code page once its first lines switched to
    // it; a name that code page cannot hold, or one that would be batch syntax even inside
    // quotes, gets no script.
    if (executableName.empty() || text::cp1250ToUtf8(text::utf8ToCp1250(executableName)) != executableName)
        return std::nullopt;
    std::string name;
    for (char c : executableName) {
        if (c == '"' || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '<' || c == '>' || c == '|' ||
            static_cast<unsigned char>(c) < 32)
            return std::nullopt;
        name += c;
        if (c == '%') name += '%';
    }
    const std::string q = "\"" + name + "\"";
    std::vector<std::string> lines = {"@Echo OFF"};
    lines.insert(lines.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
    const std::vector<std::string> body = {
        "cd /d \"%~dp0\"",
        "set tries=0",
        ":del",
        "del " + q + " /q",
        "if not Exist " + q + " goto ren",
        "set /a tries+=1",
        "if %tries% GEQ " + std::to_string(kBatchDeleteTries) + " goto end",
        // About a second between tries: the old program may still be ending.
        "ping -n 2 -w 1000 127.0.0.1 >nul",
        "goto del",
        ":ren",
        "ren new.exe " + q,
        "start \"\" " + q + " /update",
        ":end",
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
