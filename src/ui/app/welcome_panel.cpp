#include "ui/app/welcome_panel.h"

#include <algorithm>

#include "core/app/program_texts.h"
#include "core/help/help_viewer.h"
#include "platform/win32/wide.h"
#include "ui/app/main_window_ids.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"KefeloWelcomePanel";
constexpr wchar_t kReadHelpClassName[] = L"KefeloReadHelpLabel";
constexpr COLORREF kReadHelpColour = RGB(192, 0, 0);
}  // namespace

bool WelcomePanel::create(HINSTANCE instance, HWND parent, UINT dpi) {
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    if (!registerClass(instance, wc)) return false;
    dpi_ = dpi;
    createFonts();
    CreateArgs args;
    args.className = kClassName;
    args.style = WS_CHILD | WS_CLIPCHILDREN;
    args.x = args.y = args.width = args.height = 0;
    args.parent = parent;
    return Window::create(instance, args) != nullptr && readHelp_.create(instance, *this);
}

bool WelcomePanel::ReadHelpLabel::create(HINSTANCE instance, WelcomePanel& panel) {
    panel_ = &panel;
    WindowClassArgs wc;
    wc.className = kReadHelpClassName;
    wc.cursor = LoadCursorW(nullptr, IDC_HAND);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    if (!registerClass(instance, wc)) return false;
    const std::wstring caption = platform::win32::widen(app::kWelcomeReadHelp);
    CreateArgs args;
    args.className = kReadHelpClassName;
    args.title = caption.c_str();
    args.style = WS_CHILD | WS_VISIBLE;
    args.x = args.y = args.width = args.height = 0;
    args.parent = panel.hwnd();
    args.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LABEL_READHELP));
    return Window::create(instance, args) != nullptr;
}

LRESULT WelcomePanel::ReadHelpLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope scope(hwnd());
            RECT client{};
            GetClientRect(hwnd(), &client);
            panel_->paintReadHelp(scope.dc(), client);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (panel_->onReadHelpDoubleClick) panel_->onReadHelpDoubleClick();
            return 0;
        case WM_MOUSEMOVE:
            panel_->showHint(help::kReadHelpHint);
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

void WelcomePanel::showHint(const std::string& hint) {
    if (hint != hint_ && onHint) onHint(hint);
    hint_ = hint;
}

void WelcomePanel::setDpi(UINT dpi) {
    dpi_ = dpi;
    createFonts();
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
    if (readHelp_.hwnd()) InvalidateRect(readHelp_.hwnd(), nullptr, TRUE);
}

void WelcomePanel::createFonts() {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, L"Arial", LF_FACESIZE);
    lf.lfHeight = -scaleForDpi(20, dpi_);
    lf.lfWeight = FW_BOLD;
    titleFont_.reset(CreateFontIndirectW(&lf));
    lf.lfHeight = -scaleForDpi(13, dpi_);
    lf.lfWeight = FW_NORMAL;
    textFont_.reset(CreateFontIndirectW(&lf));
}

RECT WelcomePanel::titleRect() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return {0, scaleForDpi(16, dpi_), client.right, scaleForDpi(56, dpi_)};
}

RECT WelcomePanel::readHelpRect() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int margin = scaleForDpi(12, dpi_);
    return {margin, scaleForDpi(64, dpi_), client.right - margin, scaleForDpi(108, dpi_)};
}

RECT WelcomePanel::helpArea() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const RECT label = readHelpRect();
    return {label.left, label.bottom + scaleForDpi(8, dpi_), label.right, client.bottom - scaleForDpi(8, dpi_)};
}

void WelcomePanel::lendHelp(HWND help, HWND home) {
    if (help == help_) return;
    if (help_) {
        SetParent(help_, home);
        SetWindowPos(help_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    help_ = help;
    if (help_) {
        SetParent(help_, hwnd());
        placeHelp();
    }
}

void WelcomePanel::placeHelp() {
    if (!help_) return;
    const RECT area = helpArea();
    SetWindowPos(help_, nullptr, area.left, area.top, std::max(0L, area.right - area.left),
                 std::max(0L, area.bottom - area.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WelcomePanel::paint(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const SelectScope selectTitleFont(dc, titleFont_.get());
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT title = titleRect();
    const std::wstring titleText = platform::win32::widen(app::kWelcomeTitle);
    DrawTextW(dc, titleText.c_str(), -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void WelcomePanel::paintReadHelp(HDC dc, const RECT& field) {
    SetBkMode(dc, TRANSPARENT);
    const UniqueBrush red(CreateSolidBrush(kReadHelpColour));
    FillRect(dc, &field, red.get());
    const SelectScope selectTextFont(dc, textFont_.get());
    SetTextColor(dc, RGB(255, 255, 255));
    const std::wstring readHelp = platform::win32::widen(app::kWelcomeReadHelp);
    // Two lines at the narrowest, centred in the field's height.
    RECT text = field;
    InflateRect(&text, -scaleForDpi(6, dpi_), 0);
    RECT measured = text;
    DrawTextW(dc, readHelp.c_str(), -1, &measured, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    OffsetRect(&text, 0, std::max(0L, ((field.bottom - field.top) - (measured.bottom - measured.top)) / 2));
    DrawTextW(dc, readHelp.c_str(), -1, &text, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS);
}

LRESULT WelcomePanel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope scope(hwnd());
            paint(scope.dc());
            return 0;
        }
        case WM_SIZE: {
            const RECT field = readHelpRect();
            MoveWindow(readHelp_.hwnd(), field.left, field.top, field.right - field.left, field.bottom - field.top,
                       TRUE);
            placeHelp();
            return 0;
        }
        case WM_MOUSEMOVE:
            showHint("");
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
