#include "ui/options/protected_names_view.h"

#include <windowsx.h>

#include <algorithm>

#include "core/session/session.h"
#include "platform/win32/wide.h"
#include "ui/common/gdi.h"
#include "ui/common/popup_menu.h"
#include "ui/common/window.h"
#include "ui/controls/layout.h"
#include "ui/options/options_page_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr COLORREF kOfficeNameColor = RGB(0x80, 0x80, 0x80);

void setText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextW(dialog, id, widen(std::string(text)).c_str());
}

POINT cursor() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

// A context menu from the keyboard has no mouse position: it opens at the control.
POINT menuPoint(HWND control, LPARAM lParam) {
    if (lParam != -1) return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT rect{};
    GetWindowRect(control, &rect);
    return {rect.left + 8, rect.top + 8};
}
}  // namespace

void ProtectedNamesView::setUp(session::Session& session, SelectorPage::Group& group) {
    session_ = &session;
    names_.emplace(session.config().list_protectfiles, session.context().platform.ui);
    group.templateId = IDD_OPTIONS_PROTECTFILES;
    group.layout = [this](HWND) { layout(); };
    group.command = [this](HWND, int id, int code) { onCommand(id, code); };
    group.message = [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
        return onMessage(message, wParam, lParam);
    };
}

void ProtectedNamesView::initialize(SelectorPage& frame, int group) {
    dialog_ = frame.group(group);
    list_ = GetDlgItem(dialog_, IDC_LIST_PROTECTFILES);
    setText(dialog_, IDC_BOX_PROTECTFILES, config::kProtectFilesCaption);
    setText(dialog_, IDC_BUTTON_NEWFILEPROTECT, config::kNewFileProtectCaption);
    setText(dialog_, IDC_BUTTON_FILEPROTECTMODIFY, config::kFileProtectModifyCaption);
    setText(dialog_, IDC_BUTTON_FILEPROTECTDELETE, config::kFileProtectDeleteCaption);
    setText(dialog_, IDC_BUTTON_FILEPROTECTRESET, config::kFileProtectResetCaption);
    frame.describeOnHover(group, IDC_LIST_PROTECTFILES);

    // The item height of an owner-drawn list follows its font, with a little air.
    {
        const WindowDc dc(list_);
        if (dc.dc()) {
            const SelectScope font(dc.dc(), reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc.dc(), &metrics);
            SendMessageW(list_, LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
        }
    }

    // Insert adds, Enter changes and Delete removes, as the buttons do.
    listHook_.attach(list_, [this](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_GETDLGCODE && wParam == VK_RETURN) return DLGC_WANTALLKEYS;
        if (message != WM_KEYDOWN) return std::nullopt;
        switch (wParam) {
            case VK_INSERT:
                edit([](config::ProtectedNames& names) {
                    const POINT at = cursor();
                    names.enter(config::ScreenPoint{at.x, at.y});
                });
                return 0;
            case VK_RETURN:
                dropQueuedEnter(list_);
                edit([](config::ProtectedNames& names) { names.modify(); });
                return 0;
            case VK_DELETE: {
                const bool alerts = session_->config().check_viewalerts;
                edit([alerts](config::ProtectedNames& names) { names.remove(alerts); });
                return 0;
            }
            default:
                return std::nullopt;
        }
    });
    layout();
    refresh();
}

void ProtectedNamesView::refresh() {
    if (!list_ || !session_) return;
    const config::ListBox& model = session_->config().list_protectfiles;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : model.items) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    }
    SendMessageW(list_, LB_SETCURSEL, model.hasSelection() ? model.selected : -1, 0);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    shown_ = model.items;
}

void ProtectedNamesView::refreshIfChanged() {
    if (!list_ || !session_ || shown_ == session_->config().list_protectfiles.items) return;
    session_->config().list_protectfiles.selected = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
    refresh();
}

template <typename Operation>
void ProtectedNamesView::edit(Operation operation) {
    config::ListBox& model = session_->config().list_protectfiles;
    model.selected = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
    operation(*names_);
    refresh();
}

void ProtectedNamesView::onCommand(int id, int code) {
    const bool alerts = session_->config().check_viewalerts;
    switch (id) {
        case IDC_LIST_PROTECTFILES:
            if (code == LBN_SELCHANGE) {
                session_->config().list_protectfiles.selected =
                    static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
            } else if (code == LBN_DBLCLK) {
                edit([](config::ProtectedNames& names) { names.modify(); });
            }
            return;
        case IDC_BUTTON_NEWFILEPROTECT:
            if (code == BN_CLICKED) showNewMenu(cursor());
            return;
        case IDC_BUTTON_FILEPROTECTMODIFY:
            if (code == BN_CLICKED) edit([](config::ProtectedNames& names) { names.modify(); });
            return;
        case IDC_BUTTON_FILEPROTECTDELETE:
            if (code == BN_CLICKED) edit([alerts](config::ProtectedNames& names) { names.remove(alerts); });
            return;
        case IDC_BUTTON_FILEPROTECTRESET:
            if (code == BN_CLICKED) edit([alerts](config::ProtectedNames& names) { names.reset(alerts); });
            return;
        default:
            return;
    }
}

void ProtectedNamesView::showNewMenu(POINT at) {
    session::Session& session = *session_;
    names_->refreshClipboardItem(session.context().platform);
    const config::ClipboardMenuItem& clipboard = names_->menuitem_fileprotectaddfromclipboard;
    PopupMenu menu;
    if (!menu) return;
    // A file name may hold "&", which a menu would take for a mnemonic.
    std::string clipboardCaption;
    for (char c : clipboard.caption) {
        if (c == '&') clipboardCaption += '&';
        clipboardCaption += c;
    }
    menu.add(IDM_FILEPROTECTSELECT, config::kFileProtectSelectCaption)
        .add(IDM_FILEPROTECTADD, config::kFileProtectAddCaption)
        .add(IDM_FILEPROTECTADDFROMCLIPBOARD, clipboardCaption, clipboard.enabled);
    const UINT choice = menu.track(dialog_, at);
    const bool alerts = session.config().check_viewalerts;
    switch (choice) {
        case IDM_FILEPROTECTSELECT: {
            const std::string& directory = session.context().programDirectory;
            edit([&](config::ProtectedNames& names) { names.selectFile(directory, alerts); });
            break;
        }
        case IDM_FILEPROTECTADD: {
            const POINT mouse = cursor();
            edit([mouse](config::ProtectedNames& names) { names.enter(config::ScreenPoint{mouse.x, mouse.y}); });
            break;
        }
        case IDM_FILEPROTECTADDFROMCLIPBOARD:
            edit([alerts](config::ProtectedNames& names) { names.addFromClipboard(alerts); });
            break;
        default:
            break;
    }
}

std::optional<INT_PTR> ProtectedNamesView::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != IDC_LIST_PROTECTFILES) return std::nullopt;
            drawItem(*item);
            return TRUE;
        }
        case WM_CONTEXTMENU:
            // A right click on the list opens the same popup as "Új állomány".
            if (reinterpret_cast<HWND>(wParam) != list_) return std::nullopt;
            showNewMenu(menuPoint(list_, lParam));
            return TRUE;
        default:
            return std::nullopt;
    }
}

void ProtectedNamesView::drawItem(const DRAWITEMSTRUCT& item) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const config::ListBox& model = session_->config().list_protectfiles;
    if (item.itemID != static_cast<UINT>(-1) && item.itemID < model.items.size()) {
        const std::string& name = model.items[item.itemID];
        // Grey on the selection colour could not be read, so a selected name is drawn as any.
        COLORREF color = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        if (!selected && config::isOfficeName(name)) color = kOfficeNameColor;
        const std::wstring text = widen(name);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, color);
        RECT textRect = rect;
        textRect.left += 2;
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &rect);
}

void ProtectedNamesView::layout() {
    if (!dialog_) return;
    DialogLayout place(dialog_, 6);
    const int w = place.width(), h = place.height();
    const int margin = place.x(6), buttonWidth = place.x(72), buttonHeight = place.y(14), gap = place.y(4);
    const int top = place.y(12);
    const int buttonLeft = std::max(margin, w - margin - buttonWidth);
    place.place(IDC_BOX_PROTECTFILES, 0, 0, w, h);
    place.place(IDC_LIST_PROTECTFILES, margin, top, buttonLeft - 2 * margin, h - top - margin);
    int y = top;
    for (int id : {IDC_BUTTON_NEWFILEPROTECT, IDC_BUTTON_FILEPROTECTMODIFY, IDC_BUTTON_FILEPROTECTDELETE,
                   IDC_BUTTON_FILEPROTECTRESET}) {
        place.place(id, buttonLeft, y, buttonWidth, buttonHeight);
        y += buttonHeight + gap;
    }
}

}  // namespace kefelo::ui
