#include "core/app/locations.h"

#include <vector>

#include "core/app/long_path.h"
#include "base/text/codec.h"

namespace kefelo::app {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool startsDrive(std::string_view s) { return s.size() >= 2 && isAsciiLetter(s[0]) && s[1] == ':'; }

// "\\?\" and "\\.\": the prefixes that hand a path to the system as it stands.
bool startsDevicePrefix(std::string_view s) {
    return s.size() >= 4 && isSeparator(s[0]) && isSeparator(s[1]) && (s[2] == '?' || s[2] == '.') &&
           isSeparator(s[3]);
}

bool startsUncWord(std::string_view s) {
    return s.size() >= 4 && text::asciiLower(s.substr(0, 3)) == "unc" && isSeparator(s[3]);
}

// Characters no folder name can hold. ":" would name a stream of the folder
// ("C:\Windows::$INDEX_ALLOCATION" is the Windows directory itself).
bool hasForbiddenCharacter(std::string_view name) {
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' || c == '*') return true;
    }
    return false;
}

std::vector<std::string_view> split(std::string_view s) {
    std::vector<std::string_view> out;
    size_t start = 0;
    while (start < s.size()) {
        size_t end = start;
        while (end < s.size() && !isSeparator(s[end])) ++end;
        if (end > start) out.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// Windows drops the dots and blanks that end a name ("Windows." is "Windows"). A name
// made of nothing else besides "." and ".." has no agreed reading, so it is refused.
std::optional<std::string> cleanName(std::string_view name) {
    size_t end = name.size();
    while (end > 0 && (name[end - 1] == '.' || name[end - 1] == ' ')) --end;
    if (end == 0 || hasForbiddenCharacter(name)) return std::nullopt;
    return std::string(name.substr(0, end));
}

// Applies "." and ".." (never above the root) and cleans every other name.
bool appendComponents(std::string_view rest, std::vector<std::string>& parts) {
    for (std::string_view piece : split(rest)) {
        if (piece == ".") continue;
        if (piece == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        std::optional<std::string> name = cleanName(piece);
        if (!name) return false;
        parts.push_back(std::move(*name));
    }
    return true;
}

// "\\server\share\..." without its leading separators.
std::optional<std::string> uncPath(std::string_view rest) {
    const std::vector<std::string_view> pieces = split(rest);
    if (pieces.size() < 2) return std::nullopt;
    std::string root = "\\\\";
    for (size_t i = 0; i < 2; ++i) {
        std::optional<std::string> name = pieces[i] == "." || pieces[i] == ".." ? std::nullopt : cleanName(pieces[i]);
        if (!name) return std::nullopt;
        root += *name;
        if (i == 0) root += '\\';
    }
    // The share root is where ".." stops.
    const size_t shareEnd = static_cast<size_t>(pieces[1].data() - rest.data()) + pieces[1].size();
    std::vector<std::string> parts;
    if (!appendComponents(rest.substr(shareEnd), parts)) return std::nullopt;
    for (const std::string& part : parts) root += "\\" + part;
    return root;
}

std::optional<std::string> drivePath(std::string_view rest) {
    const char letter = asciiUpper(rest[0]);
    rest.remove_prefix(2);
    // "C:Temp" is relative to drive C's current folder.
    if (!rest.empty() && !isSeparator(rest[0])) return std::nullopt;
    std::vector<std::string> parts;
    if (!appendComponents(rest, parts)) return std::nullopt;
    std::string out{letter, ':', '\\'};
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
    return out;
}

// Letter case as the file system ignores it: ASCII, Latin-1, Latin Extended-A, basic Greek
// and Cyrillic. Bytes that are no UTF-8 stay as they are.
char32_t foldLetter(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

std::string folded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t pos = 0; pos < s.size();) {
        const size_t start = pos;
        const char32_t c = text::nextCodePoint(s, pos);
        if (c == 0xFFFD && s.substr(start, pos - start) != "\xEF\xBF\xBD") {
            out.append(s.substr(start, pos - start));
        } else {
            text::appendUtf8(out, foldLetter(c));
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> NormalPath(std::string_view path) {
    if (startsDevicePrefix(path)) {
        path.remove_prefix(4);
        if (startsUncWord(path)) return uncPath(path.substr(4));
        // Volume names, physical drives and the like are no folder a list may name.
        return startsDrive(path) ? drivePath(path) : std::nullopt;
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) return uncPath(path.substr(2));
    if (startsDrive(path)) return drivePath(path);
    return std::nullopt;
}

std::optional<std::string> NormalLocation(platform::FileSystem& fs, std::string_view path) {
    std::optional<std::string> normal = NormalPath(path);
    if (!normal || IsRootLocation(*normal)) return normal;
    // The reported names are plain names, but a name given to the folder by other means may
    // still end in a dot; cleaned once more it reads as the other rules read it.
    std::optional<std::string> expanded = NormalPath(ExpandLongPath(fs, *normal));
    return expanded ? expanded : normal;
}

bool IsRootLocation(std::string_view normal) {
    if (normal.size() == 3 && normal[1] == ':' && normal[2] == '\\') return true;
    if (normal.size() < 3 || normal.substr(0, 2) != "\\\\") return false;
    const size_t server = normal.find('\\', 2);
    return server != std::string_view::npos && normal.find('\\', server + 1) == std::string_view::npos;
}

bool SameLocation(std::string_view a, std::string_view b) { return folded(a) == folded(b); }

bool IsWithinLocation(std::string_view inner, std::string_view outer) {
    const std::string in = folded(inner);
    std::string out = folded(outer);
    if (in == out) return true;
    if (out.empty()) return false;
    if (out.back() != '\\') out += '\\';
    return in.size() > out.size() && in.compare(0, out.size(), out) == 0;
}

std::string ParentLocation(std::string_view normal) {
    if (IsRootLocation(normal)) return {};
    const size_t cut = normal.find_last_of('\\');
    if (cut == std::string_view::npos) return {};
    // The parent of "C:\A" is the root, which keeps its separator.
    if (cut == 2 && normal[1] == ':') return std::string(normal.substr(0, 3));
    return std::string(normal.substr(0, cut));
}

bool SameFolder(platform::FileSystem& fs, std::string_view a, std::string_view b) {
    const std::optional<std::string> na = NormalLocation(fs, a);
    const std::optional<std::string> nb = NormalLocation(fs, b);
    if (na && nb) return SameLocation(*na, *nb);
    return !na && !nb && folded(a) == folded(b);
}

}  // namespace kefelo::app
