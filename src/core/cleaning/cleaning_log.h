#pragma once
// The cleaning report as styled text: what the rich-text log on the report page shows.
// The view copies it into the control when a run ends; the plain form is what
// "utolso.log" holds by default.
#include <string>
#include <string_view>
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
    void clear();
    bool empty() const { return runs_.empty(); }

    const std::vector<LogRun>& runs() const { return runs_; }
    // The whole text, lines separated by "\r\n" exactly as added.
    std::string text() const;
    // The lines, as a line-based view of the text (for saving as plain text).
    std::vector<std::string> lines() const;
    // Rich text (RTF) of the log with its colours, bold and underline; Windows-1250.
    std::string rtf() const;

private:
    void append(std::string_view text);
    std::vector<LogRun> runs_;
    LogStyle style_;
    LogColour colour_ = LogColour::WindowText;
};

}  // namespace kefelo::cleaning
