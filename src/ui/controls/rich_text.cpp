#include "ui/controls/rich_text.h"

#include <commdlg.h>
#include <richedit.h>

#include <algorithm>

#include "ui/common/gdi.h"
#include "ui/common/window.h"

namespace kefelo::ui {
namespace {
const wchar_t* richEditClass() {
    static const wchar_t* const cls = []() -> const wchar_t* {
        if (LoadLibraryW(L"msftedit.dll")) return L"RICHEDIT50W";
        if (LoadLibraryW(L"riched20.dll")) return L"RichEdit20W";
        return nullptr;
    }();
    return cls;
}

// Twips (1/1440 inch) of a device's printable area, less a margin on every side.
RECT printableTwips(HDC printer, int marginTwips) {
    const int dpiX = GetDeviceCaps(printer, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    const int width = MulDiv(GetDeviceCaps(printer, HORZRES), 1440, dpiX > 0 ? dpiX : 1);
    const int height = MulDiv(GetDeviceCaps(printer, VERTRES), 1440, dpiY > 0 ? dpiY : 1);
    return RECT{marginTwips, marginTwips, width - marginTwips, height - marginTwips};
}

struct PrintDialogResult {
    PRINTDLGW dialog{};
    ~PrintDialogResult() {
        if (dialog.hDC) DeleteDC(dialog.hDC);
        if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
        if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    }
};
}  // namespace

HWND createRichEdit(HWND parent, int id, DWORD style, DWORD exStyle) {
    const wchar_t* cls = richEditClass();
    if (!cls) return nullptr;
    HWND edit = Window::createChild(parent, {.className = cls,
                                             .style = style,
                                             .exStyle = exStyle,
                                             .id = id,
                                             .hidden = !(style & WS_VISIBLE),
                                             .width = 0,
                                             .height = 0});
    if (edit) SendMessageW(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    return edit;
}

void moveCaretToEnd(HWND edit) {
    CHARRANGE end{-1, -1};
    SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
}

namespace {
void appendEscaped(std::string& out, const std::wstring& text) {
    for (wchar_t c : text) {
        switch (c) {
            case L'\r':
                break;
            case L'\n':
                out += "\\par\r\n";
                break;
            case L'\t':
                out += "\\tab ";
                break;
            case L'\\':
            case L'{':
            case L'}':
                out += '\\';
                out += static_cast<char>(c);
                break;
            default:
                if (c >= 0x20 && c < 0x80) {
                    out += static_cast<char>(c);
                } else {
                    // UTF-16 units as signed 16-bit numbers, each with a "?" for old readers.
                    out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
                }
        }
    }
}

struct StreamSource {
    const std::string* data;
    size_t position;
};

DWORD CALLBACK readStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const size_t count = std::min(static_cast<size_t>(std::max(wanted, 0L)), source->data->size() - source->position);
    std::copy_n(source->data->data() + source->position, count, buffer);
    source->position += count;
    *given = static_cast<LONG>(count);
    return 0;
}
}  // namespace

std::string richTextDocument(const std::vector<RichTextRun>& runs, const std::wstring& fontFace, int halfPoints) {
    std::vector<COLORREF> colours;
    for (const RichTextRun& run : runs) {
        if (run.style.colour && std::find(colours.begin(), colours.end(), *run.style.colour) == colours.end()) {
            colours.push_back(*run.style.colour);
        }
    }
    std::string out = "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fnil ";
    appendEscaped(out, fontFace);
    // Colour 0 is "auto": the system's window-text colour.
    out += ";}}\r\n{\\colortbl ;";
    for (COLORREF c : colours) {
        out += "\\red" + std::to_string(GetRValue(c)) + "\\green" + std::to_string(GetGValue(c)) + "\\blue" +
               std::to_string(GetBValue(c)) + ";";
    }
    out += "}\r\n\\pard\\f0\\fs" + std::to_string(halfPoints);
    for (const RichTextRun& run : runs) {
        const auto colour =
            run.style.colour ? std::find(colours.begin(), colours.end(), *run.style.colour) - colours.begin() + 1 : 0;
        out += "\\cf" + std::to_string(colour);
        out += run.style.bold ? "\\b" : "\\b0";
        out += run.style.underline ? "\\ul " : "\\ulnone ";
        appendEscaped(out, run.text);
    }
    out += "}";
    return out;
}

void setRichText(HWND edit, const std::vector<RichTextRun>& runs) {
    std::wstring face = L"MS Shell Dlg 2";
    int halfPoints = 16;
    auto* font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    // Not every rich-edit version gives its font back; the parent's is the one it was given.
    if (!font) font = reinterpret_cast<HFONT>(SendMessageW(GetParent(edit), WM_GETFONT, 0, 0));
    if (font) {
        LOGFONTW logical{};
        if (GetObjectW(font, sizeof logical, &logical)) {
            face = logical.lfFaceName;
            const WindowDc screen(edit);
            const int dpi = screen.dc() ? GetDeviceCaps(screen.dc(), LOGPIXELSY) : 96;
            if (logical.lfHeight != 0) halfPoints = std::max(2, MulDiv(std::abs(logical.lfHeight), 144, dpi));
        }
    }
    const std::string document = richTextDocument(runs, face, halfPoints);
    StreamSource source{&document, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &readStream};
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    moveCaretToEnd(edit);
}

bool printRichText(HWND owner, HWND edit, const std::wstring& jobTitle) {
    PrintDialogResult print;
    print.dialog.lStructSize = sizeof print.dialog;
    print.dialog.hwndOwner = owner;
    print.dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!PrintDlgW(&print.dialog) || !print.dialog.hDC) return false;
    HDC printer = print.dialog.hDC;

    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = jobTitle.c_str();
    if (StartDocW(printer, &document) <= 0) return false;

    FORMATRANGE range{};
    range.hdc = printer;
    range.hdcTarget = printer;
    range.rcPage = printableTwips(printer, 0);
    range.rc = printableTwips(printer, 720);  // half an inch of margin
    GETTEXTLENGTHEX lengthQuery{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LONG length =
        static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0));
    range.chrg.cpMin = 0;
    range.chrg.cpMax = -1;

    bool ok = true;
    do {
        if (StartPage(printer) <= 0) {
            ok = false;
            break;
        }
        const RECT area = range.rc;
        const LONG next = static_cast<LONG>(SendMessageW(edit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
        range.rc = area;  // the control shrinks it to what it filled
        if (EndPage(printer) <= 0) {
            ok = false;
            break;
        }
        // A page that takes nothing would repeat for ever.
        if (next <= range.chrg.cpMin) break;
        range.chrg.cpMin = next;
    } while (range.chrg.cpMin < length);
    SendMessageW(edit, EM_FORMATRANGE, FALSE, 0);

    if (ok) {
        EndDoc(printer);
    } else {
        AbortDoc(printer);
    }
    return ok;
}

}  // namespace kefelo::ui
