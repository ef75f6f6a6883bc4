#include "ui/controls/sel_button.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/wide.h"
#include "ui/common/gdi.h"

namespace kefelo::ui {
namespace {
COLORREF blend(COLORREF a, COLORREF b) {
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void frame(HDC dc, RECT rect, COLORREF colour) {
    const RECT edges[] = {
        {rect.left, rect.top, rect.right, rect.top + 1},
        {rect.left, rect.bottom - 1, rect.right, rect.bottom},
        {rect.left, rect.top, rect.left + 1, rect.bottom},
        {rect.right - 1, rect.top, rect.right, rect.bottom},
    };
    for (const RECT& edge : edges) fill(dc, edge, colour);
}
}  // namespace

bool SelButton::attach(HWND button) {
    hwnd_ = button;
    return subclass_.attach(button, [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return onMessage(message, wParam, lParam);
    });
}

void SelButton::setEnabled(bool enabled) {
    if (!hwnd_) return;
    EnableWindow(hwnd_, enabled);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

bool SelButton::enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void SelButton::setLook(Look look) {
    if (look_ == look) return;
    look_ = look;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void SelButton::setCaption(const std::string& caption) {
    if (hwnd_) SetWindowTextW(hwnd_, platform::win32::widen(caption).c_str());
}

std::optional<LRESULT> SelButton::onMessage(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_SETCURSOR:
            if (IsWindowEnabled(hwnd_)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            if (!hover_) {
                hover_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
                TrackMouseEvent(&track);
                InvalidateRect(hwnd_, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            hover_ = false;
            InvalidateRect(hwnd_, nullptr, FALSE);
            break;
        case WM_LBUTTONDBLCLK:
            // A quick second click is a click, not a double click the parent ignores.
            return DefSubclassProc(hwnd_, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        case WM_ENABLE:
            if (!hover_) break;
            hover_ = false;
            InvalidateRect(hwnd_, nullptr, FALSE);
            break;
        default:
            break;
    }
    return std::nullopt;
}

void SelButton::draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool selectedLook = look_ == Look::Selected;

    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF border = GetSysColor(COLOR_BTNSHADOW);
    COLORREF text = disabled ? GetSysColor(COLOR_INACTIVECAPTION) : textColour_.value_or(RGB(0, 0, 0));
    if (selectedLook) {
        face = GetSysColor(COLOR_WINDOW);
        border = RGB(255, 255, 255);
        text = GetSysColor(COLOR_WINDOWTEXT);
    } else if (pressed) {
        face = blend(face, GetSysColor(COLOR_BTNSHADOW));
    } else if (hover_ && !disabled) {
        face = blend(face, GetSysColor(COLOR_WINDOW));
    }
    fill(dc, rect, face);
    frame(dc, rect, border);

    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(item.hwndItem, caption.data(), length + 1)));

    RECT textRect = rect;
    InflateRect(&textRect, -3, -2);
    if (pressed && !selectedLook) OffsetRect(&textRect, 1, 1);
    auto* font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const SelectScope selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    // Long captions wrap rather than being cut off in a narrow button.
    RECT measure = textRect;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measure, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    const int height = measure.bottom - measure.top;
    if (height < textRect.bottom - textRect.top) {
        textRect.top += (textRect.bottom - textRect.top - height) / 2;
    }
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, DT_CENTER | DT_WORDBREAK);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(dc, &focus);
    }
}

SelButton& SelButtons::attach(HWND parent, int id) {
    SelButton& button = buttons_[id];
    if (!button.hwnd()) button.attach(GetDlgItem(parent, id));
    return button;
}

SelButton* SelButtons::find(int id) {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : &it->second;
}

bool SelButtons::draw(LPARAM drawItem) const {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(drawItem);
    auto it = buttons_.find(static_cast<int>(item.CtlID));
    if (it == buttons_.end() || it->second.hwnd() != item.hwndItem) return false;
    it->second.draw(item);
    return true;
}

}  // namespace kefelo::ui
