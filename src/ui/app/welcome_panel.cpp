#include "ui/app/welcome_panel.h"

#include <algorithm>

#include "core/app/program_texts.h"
#include "platform/win32/wide.h"
#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"KefeloWelcomePanel";
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
    return Window::create(instance, args) != nullptr;
}

void WelcomePanel::setDpi(UINT dpi) {
    dpi_ = dpi;
    createFonts();
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
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

void WelcomePanel::paint(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    const SelectScope selectTitleFont(dc, titleFont_.get());
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT title = titleRect();
    const std::wstring titleText = platform::win32::widen(app::kWelcomeTitle);
    DrawTextW(dc, titleText.c_str(), -1, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    RECT label = readHelpRect();
    const UniqueBrush red(CreateSolidBrush(kReadHelpColour));
    FillRect(dc, &label, red.get());
    const SelectScope selectTextFont(dc, textFont_.get());
    SetTextColor(dc, RGB(255, 255, 255));
    const std::wstring readHelp = platform::win32::widen(app::kWelcomeReadHelp);
    // Two lines at the narrowest, centred in the field's height.
    RECT text = label;
    InflateRect(&text, -scaleForDpi(6, dpi_), 0);
    RECT measured = text;
    DrawTextW(dc, readHelp.c_str(), -1, &measured, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    OffsetRect(&text, 0, std::max(0L, ((label.bottom - label.top) - (measured.bottom - measured.top)) / 2));
    DrawTextW(dc, readHelp.c_str(), -1, &text, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS);
}

LRESULT WelcomePanel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope scope(hwnd());
            paint(scope.dc());
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            const RECT label = readHelpRect();
            if (PtInRect(&label, at) && onReadHelpDoubleClick) onReadHelpDoubleClick();
            return 0;
        }
        case WM_SETCURSOR: {
            POINT at{};
            GetCursorPos(&at);
            ScreenToClient(hwnd(), &at);
            const RECT label = readHelpRect();
            if (PtInRect(&label, at)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
