#pragma once
// The cleaning report as styled text: what the rich-text log on the report page shows.
// The view copies it into the control when a run ends; the plain form is what
// "utolso.log" holds by default.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kefelo::cleaning {

enum class LogColour { WindowText, Navy, Blue, Maroon, Yellow, Red, Black };

struct LogStyle {
    bool bold = false;
    bool underline = false;
    bool operator==(const LogStyle&) const = default;
};

// A stretch of text with one style and colour; it may hold line breaks ("\r\n").
struct LogRun {
    std::string text;
    LogStyle style;
    LogColour colour = LogColour::WindowText;
};

class CleaningLog {
public:
    // The attributes the next added text takes (the selection attributes of the control).
    void setAttributes(LogStyle style, LogColour colour);
    LogStyle style() const { return style_; }
    LogColour colour() const { return colour_; }

    // Adds a line at the end (Lines.Add): starts a new line when the text does not end
    // with a line break, then the line and its break.
    void addLine(std::string_view line);
    // Inserts text at the caret, which always stays at the very end (SelText).
    void insertAtCaret(std::string_view text);

    bool contains(std::string_view needle) const;
    // Whether a whole line of the log is exactly this text.
    bool hasLine(std::string_view line) const;
    // Whether some line of the log begins with this text.
    bool hasLineStartingWith(std::string_view prefix) const;
    // Empties the text; the attributes and the plain-text switch stay.
    void clear();
    bool empty() const { return runs_.empty(); }

    const std::vector<LogRun>& runs() const { return runs_; }
    // The whole text, lines separated by "\r\n" exactly as added.
    std::string text() const;
    // The lines, as a line-based view of the text (for saving as plain text).
    std::vector<std::string> lines() const;
    // Rich text (RTF) of the log with its colours, bold and underline; Windows-1250.
    std::string rtf() const;

    // The control's plain-text switch: on at start; saving the log as RTF turns it off
    // and "utolso.log" follows it until it is turned on again.
    bool plainText() const { return plainText_; }
    void setPlainText(bool on) { plainText_ = on; }

private:
    void append(std::string_view text);
    void endLine();
    std::vector<LogRun> runs_;
    LogStyle style_;
    LogColour colour_ = LogColour::WindowText;
    bool plainText_ = true;
    // Hashes of the finished lines, so a duplicate-line test does not scan a long log.
    std::unordered_set<size_t> lineHashes_;
    std::string openLine_;   // text after the last line break
    bool afterCr_ = false;   // the last character was a CR (a following LF ends no line)
    bool endsWithBreak_ = false;
};

}  // namespace kefelo::cleaning
