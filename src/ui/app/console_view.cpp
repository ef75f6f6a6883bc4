#include "ui/app/console_view.h"

#include <algorithm>

#include "core/app/diagnostic_console.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::narrow;
using platform::win32::widen;

constexpr UINT kLineClickedMessage = WM_APP + 2;

constexpr const char* kComponentNames[] = {
    "page_clean",
    "page_filesearch",
    "page_tools",
    "page_options",
    "page_help",
    "label_readhelp",
    "menuitem_programrestore",
    "menuitem_actions",
    "menu_trayclean",
    "menu_trayformat",
    "menu_trayquit",
    "label_programloading",
    "label_programautosearch",
    "button_autoruncancel",
};

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}
}  // namespace

bool ConsoleView::create(HINSTANCE instance, HWND parent) {
    parent_ = parent;
    const DWORD style =
        WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_BORDER;
    auto memo = [&](int id) {
        return CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    console_ = memo(IDC_MTESZT);
    componentNames_ = memo(IDC_COMPONENTNAMES);
    maskTable_ = memo(IDC_MKIT);
    batch_ = memo(IDC_MBAT);
    if (!console_ || !componentNames_ || !maskTable_ || !batch_) return false;
    // Read once the click has placed the caret: the line under it then is the clicked one.
    clicks_.attach(console_, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_LBUTTONUP) PostMessageW(console_, kLineClickedMessage, 0, 0);
        if (message == WM_MOUSEMOVE && onHint) onHint(app::kConsoleHint);
        if (message != kLineClickedMessage) return std::nullopt;
        if (onLineClicked) onLineClicked(clickedLine());
        return 0;
    });
    return true;
}

void ConsoleView::show(bool shown, const std::vector<std::string>& lines, const std::vector<std::string>& maskTable,
                       const std::vector<std::string>& batch) {
    for (HWND memo : {console_, componentNames_, maskTable_, batch_}) ShowWindow(memo, shown ? SW_SHOW : SW_HIDE);
    if (!shown) return;
    SetWindowTextW(
        componentNames_,
        widen(joinLines(std::vector<std::string>(std::begin(kComponentNames), std::end(kComponentNames)))).c_str());
    SetWindowTextW(maskTable_, widen(joinLines(maskTable)).c_str());
    SetWindowTextW(console_, widen(joinLines(lines)).c_str());
    showBatch(batch);
}

void ConsoleView::showBatch(const std::vector<std::string>& batch) {
    if (batch_ && IsWindowVisible(batch_)) SetWindowTextW(batch_, widen(joinLines(batch)).c_str());
}

void ConsoleView::append(const std::string& line) {
    if (!console_) return;
    const std::wstring text = widen((GetWindowTextLengthW(console_) > 0 ? "\r\n" : "") + line);
    SendMessageW(console_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageW(console_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ConsoleView::clear() {
    if (console_) SetWindowTextW(console_, L"");
}

void ConsoleView::setFont(HFONT font) {
    for (HWND memo : {console_, componentNames_, maskTable_, batch_}) {
        if (memo) SendMessageW(memo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void ConsoleView::place(int top, int width, int height) {
    const int half = width / 2;
    const int sixth = (width - half) / 3;
    MoveWindow(console_, 0, top, half, height, TRUE);
    MoveWindow(componentNames_, half, top, sixth, height, TRUE);
    MoveWindow(maskTable_, half + sixth, top, sixth, height, TRUE);
    MoveWindow(batch_, half + 2 * sixth, top, width - half - 2 * sixth, height, TRUE);
}

std::string ConsoleView::clickedLine() const {
    const auto line = static_cast<int>(SendMessageW(console_, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
    std::wstring text(1024, L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(text.size() - 1);
    const auto got =
        static_cast<size_t>(SendMessageW(console_, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(got, text.size()));
    return narrow(text);
}

}  // namespace kefelo::ui
