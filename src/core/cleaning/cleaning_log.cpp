#include "core/cleaning/cleaning_log.h"

#include <cstdio>
#include <functional>

#include "base/text/codec.h"

namespace kefelo::cleaning {
namespace {

size_t hashLine(std::string_view line) { return std::hash<std::string_view>{}(line); }

// Splits on CR LF, CR or LF; a break at the very end adds no empty line.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') continue;
        out.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) out.emplace_back(text.substr(start));
    return out;
}

struct Rgb {
    int r, g, b;
};

// In the order of LogColour; the table index in the RTF is the enum value plus one.
constexpr Rgb kColourTable[] = {
    {0, 0, 0},      // window text (black on a standard system)
    {0, 0, 128},    // navy
    {0, 0, 255},    // blue
    {128, 0, 0},    // maroon
    {255, 255, 0},  // yellow
    {255, 0, 0},    // red
    {0, 0, 0},      // black
};

void appendHexEscape(std::string& out, unsigned char byte) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\'%02x", byte);
    out += buf;
}

void appendUnicodeEscape(std::string& out, char32_t unit) {
    // \uN takes a signed 16-bit number; "?" is what readers without Unicode show.
    out += "\\u";
    out += std::to_string(static_cast<int16_t>(static_cast<uint16_t>(unit)));
    out += '?';
}

// Text of one run as RTF: specials escaped, breaks as paragraphs, everything beyond
// ASCII as a Windows-1250 byte or, when the code page lacks it, as a Unicode escape.
void appendRtfText(std::string& out, std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        if (c == '\r' || c == '\n') {
            ++pos;
            if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
            out += "\\par\r\n";
            continue;
        }
        if (c < 0x80) {
            ++pos;
            if (c == '\\' || c == '{' || c == '}') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c == '\t') {
                out += "\\tab ";
            } else if (c < 0x20 || c == 0x7F) {
                appendHexEscape(out, c);
            } else {
                out += static_cast<char>(c);
            }
            continue;
        }
        size_t start = pos;
        char32_t cp = text::nextCodePoint(text, pos);
        std::string encoded = text::utf8ToCp1250(text.substr(start, pos - start));
        if (cp != 0xFFFD && encoded.size() == 1 && encoded[0] != '?') {
            appendHexEscape(out, static_cast<unsigned char>(encoded[0]));
        } else if (cp > 0xFFFF) {
            char32_t v = cp - 0x10000;
            appendUnicodeEscape(out, 0xD800 + (v >> 10));
            appendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
        } else {
            appendUnicodeEscape(out, cp);
        }
    }
}

}  // namespace

void CleaningLog::setAttributes(LogStyle style, LogColour colour) {
    style_ = style;
    colour_ = colour;
}

void CleaningLog::addLine(std::string_view line) {
    if (!runs_.empty() && !endsWithBreak_) append("\r\n");
    append(line);
    append("\r\n");
}

void CleaningLog::insertAtCaret(std::string_view text) { append(text); }

void CleaningLog::append(std::string_view text) {
    if (text.empty()) return;
    if (!runs_.empty() && runs_.back().style == style_ && runs_.back().colour == colour_) {
        runs_.back().text += text;
    } else {
        runs_.push_back(LogRun{std::string(text), style_, colour_});
    }
    for (char c : text) {
        if (c == '\n' && afterCr_) {
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == '\r';
        if (c == '\r' || c == '\n') {
            endLine();
        } else {
            openLine_ += c;
        }
    }
    endsWithBreak_ = text.back() == '\r' || text.back() == '\n';
}

void CleaningLog::endLine() {
    lineHashes_.insert(hashLine(openLine_));
    openLine_.clear();
}

bool CleaningLog::contains(std::string_view needle) const { return text().find(needle) != std::string::npos; }

bool CleaningLog::hasLine(std::string_view line) const {
    if (!endsWithBreak_ && !runs_.empty() && openLine_ == line) return true;
    if (!lineHashes_.count(hashLine(line))) return false;
    // A hash hit: confirm it, since different lines may share a hash.
    for (const auto& l : lines())
        if (l == line) return true;
    return false;
}

bool CleaningLog::hasLineStartingWith(std::string_view prefix) const {
    for (const auto& l : lines())
        if (l.starts_with(prefix)) return true;
    return false;
}

void CleaningLog::clear() {
    runs_.clear();
    lineHashes_.clear();
    openLine_.clear();
    afterCr_ = false;
    endsWithBreak_ = false;
}

std::string CleaningLog::text() const {
    std::string out;
    for (const auto& run : runs_) out += run.text;
    return out;
}

std::vector<std::string> CleaningLog::lines() const { return splitLines(text()); }

std::string CleaningLog::rtf() const {
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1038"
        "{\\fonttbl{\\f0\\fswiss\\fcharset238 MS Sans Serif;}}\r\n"
        "{\\colortbl ;";
    for (const auto& c : kColourTable) {
        out += "\\red" + std::to_string(c.r) + "\\green" + std::to_string(c.g) + "\\blue" + std::to_string(c.b) + ";";
    }
    out += "}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16";
    for (const auto& run : runs_) {
        out += "\\cf" + std::to_string(static_cast<int>(run.colour) + 1);
        out += run.style.bold ? "\\b" : "\\b0";
        out += run.style.underline ? "\\ul" : "\\ulnone";
        out += ' ';
        appendRtfText(out, run.text);
    }
    out += "}\r\n";
    return out;
}

}  // namespace kefelo::cleaning
