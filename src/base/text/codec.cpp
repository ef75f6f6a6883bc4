#include "base/text/codec.h"

#include <algorithm>
#include <unordered_map>

namespace kefelo::text {
namespace {
#include "base/text/cp1250_tables.inc"

char32_t cp1250Char(unsigned char b) {
    if (b < 0x80) return b;
    char32_t cp = kCp1250High[b - 0x80];
    return cp ? cp : b;
}

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> m;
        for (int b = 0x80; b < 0x100; ++b) m[cp1250Char(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
        return m;
    }();
    return table;
}

char32_t foldCase(char32_t cp, bool toUpper) {
    if (cp < 0x80) {
        if (toUpper && cp >= 'a' && cp <= 'z') return cp - 32;
        if (!toUpper && cp >= 'A' && cp <= 'Z') return cp + 32;
        return cp;
    }
    for (const auto& p : kCaseFoldPairs) {
        if (toUpper && cp == p.lower) return p.upper;
        if (!toUpper && cp == p.upper) return p.lower;
    }
    return cp;
}

std::string mapCase(std::string_view s, bool toUpper) {
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (pos < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(foldCase(c, toUpper)));
            ++pos;
            continue;
        }
        size_t start = pos;
        char32_t cp = nextCodePoint(s, pos);
        if (cp == 0xFFFD) {
            out.append(s.substr(start, pos - start));  // keep malformed bytes as they were
        } else {
            appendUtf8(out, foldCase(cp, toUpper));
        }
    }
    return out;
}
}  // namespace

char32_t nextCodePoint(std::string_view s, size_t& pos) {
    unsigned char c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80) {
        ++pos;
        return c;
    }
    int extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || pos + static_cast<size_t>(extra) >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = c & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        unsigned char cc = static_cast<unsigned char>(s[pos + i]);
        if ((cc & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    // Overlong forms and values past U+10FFFF are not characters. Encoded surrogates are
    // kept: that is how a lone surrogate of a file name travels in UTF-8.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF) {
        ++pos;
        return 0xFFFD;
    }
    pos += extra + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    const auto& rev = reverseTable();
    while (pos < utf8.size()) {
        char32_t cp = nextCodePoint(utf8, pos);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        auto it = rev.find(cp);
        out.push_back(it == rev.end() ? '?' : static_cast<char>(it->second));
    }
    return out;
}

bool fitsCp1250(std::string_view utf8) {
    const auto& rev = reverseTable();
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, pos);
        // U+FFFD is no Windows-1250 character either, so malformed bytes need no test of their own.
        if (cp >= 0x80 && !rev.contains(cp)) return false;
    }
    return true;
}

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) appendUtf8(out, cp1250Char(static_cast<unsigned char>(ch)));
    return out;
}

std::string encodeLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += utf8ToCp1250(line);
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> decodeLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cp1250ToUtf8(bytes.substr(start, i - start)));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < bytes.size()) lines.push_back(cp1250ToUtf8(bytes.substr(start)));
    return lines;
}

std::string asciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return out;
}

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

std::string lower(std::string_view utf8) { return mapCase(utf8, false); }
std::string upper(std::string_view utf8) { return mapCase(utf8, true); }

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin())) return true;
    return lower(a) == lower(b);
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    return upper(haystack).find(upper(needle)) != std::string::npos;
}

std::string trimRightBlanks(std::string_view s) {
    size_t end = s.size();
    while (end > 0 && s[end - 1] == ' ') --end;
    return std::string(s.substr(0, end));
}

}  // namespace kefelo::text
