#pragma once
// The rich-text control: creating it, adding styled text at the end, printing it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace kefelo::ui {

// Loads the newest rich-edit library available and creates a control of it; null when
// there is none.
HWND createRichEdit(HWND parent, int id, DWORD style, DWORD exStyle);

struct RichTextStyle {
    bool bold = false;
    bool underline = false;
    std::optional<COLORREF> colour;  // none: the window-text colour of the system
};

struct RichTextRun {
    std::wstring text;  // "\r\n" breaks lines
    RichTextStyle style;
};
// Fills an empty control in one go (streamed in as rich text, so a log of a hundred
// thousand lines takes seconds), in the control's own font, caret at the end. Some
// rich-edit versions are slow to delete a long text: give this a new control rather than
// a full one.
void setRichText(HWND edit, const std::vector<RichTextRun>& runs);
// The rich text that setRichText streams in.
std::string richTextDocument(const std::vector<RichTextRun>& runs, const std::wstring& fontFace, int halfPoints);
void moveCaretToEnd(HWND edit);

// The print dialog, then every page of the control's text under the job title. False
// when the dialog was cancelled or the printer refused the job.
bool printRichText(HWND owner, HWND edit, const std::wstring& jobTitle);

}  // namespace kefelo::ui
