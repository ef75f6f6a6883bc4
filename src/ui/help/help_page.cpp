#include "ui/help/help_page.h"

#include <richedit.h>
#include <windowsx.h>

#include "core/session/session.h"
#include "platform/win32/wide.h"
#include "ui/common/popup_menu.h"
#include "ui/controls/layout.h"
#include "ui/controls/rich_text.h"
#include "ui/help/help_page_ids.h"
#include "ui/maintenance/update_server.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

enum MenuItem : UINT { kWordWrap = 1, kCopy, kPrintCurrent, kPrintAll };

constexpr DWORD kViewStyle =
    WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL;

void setComboItems(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::wstring text = widen(item);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

std::wstring viewText(HWND edit) {
    GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
    const auto count = SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    if (count <= 0) return {};
    std::wstring text(static_cast<size_t>(count) + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    get.flags = GT_USECRLF;
    get.codepage = 1200;
    const auto got =
        SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}
}  // namespace

bool HelpPage::create(const MainPageContext& context) {
    page_ = context.page;
    session_ = &context.session;
    status_ = &context.status;
    host_ = &context.host;
    const session::SessionContext& sc = context.session.context();
    contact_ = std::make_unique<tools::WindowsTools>(tools::WindowsToolsContext{
        sc.platform, sc.shell, context.session.config(), sc.programDirectory, sc.fileVersion,
        context.session.ntFamily(), updateServerAddress()});
    if (!createModeless(context.instance, IDD_HELP_GROUP, page_)) return false;
    pageHook_.attach(page_, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) {
            RECT client{};
            GetClientRect(page_, &client);
            SetWindowPos(hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return std::nullopt;
    });
    return view_ != nullptr;
}

void HelpPage::initialize() {
    view_ = createRichEdit(hwnd(), IDC_MEMO_HELP2, kViewStyle, WS_EX_CLIENTEDGE);
    if (!view_) return;
    setWordWrap(false);
    setComboItems(GetDlgItem(hwnd(), IDC_LIST_CONTENTS), viewer_.titles());
    setComboItems(GetDlgItem(hwnd(), IDC_LIST_CONTENTSFONTSIZE), help::fontSizeItems());
    SendDlgItemMessageW(hwnd(), IDC_LIST_CONTENTSFONTSIZE, CB_SETCURSEL, viewer_.fontSize() - help::kFirstFontSize, 0);
    for (int id : {IDC_LIST_CONTENTS, IDC_LIST_CONTENTSFONTSIZE, IDC_BUTTON_EMAILTOAUTHOR})
        hover_.trackControl(GetDlgItem(hwnd(), id));
    hover_.trackControl(view_);
    hover_.setCallback([this](HWND control) {
        // Mouse moves come often; the status bar changes only with the control.
        const std::string hint = hintOf(control);
        if (status_ && status_->statusText() != hint) status_->showHint(hint);
    });
    selectTopic(0);
}

std::string HelpPage::hintOf(HWND control) const {
    if (control == view_) return help::kViewHint;
    switch (GetDlgCtrlID(control)) {
        case IDC_LIST_CONTENTS:
            return help::kContentsHint;
        case IDC_LIST_CONTENTSFONTSIZE:
            return help::kFontSizeHint;
        case IDC_BUTTON_EMAILTOAUTHOR:
            return help::kEmailToAuthorHint;
        default:
            return {};
    }
}

bool HelpPage::contactShown() const { return !(host_ && host_->welcomeShown()); }

void HelpPage::layout() {
    DialogLayout place(hwnd(), 6);
    const int w = place.width();
    // The contact group takes the bottom strip of the help page; the welcome screen has none.
    const bool contact = contactShown();
    const int contactHeight = contact ? place.y(30) : 0;
    const int h = place.height() - contactHeight;
    for (int id : {IDC_GROUP_CONTACT, IDC_BUTTON_GOTOPROGRAMSWEBPAGE, IDC_BUTTON_EMAILTOAUTHOR, IDC_BUTTON_WRITETOFORUM})
        ShowWindow(GetDlgItem(hwnd(), id), contact ? SW_SHOW : SW_HIDE);
    if (contact) {
        place.place(IDC_GROUP_CONTACT, 0, h, w, contactHeight);
        const int inner = place.x(8);
        const int buttonWidth = (w - 2 * inner - 2 * place.x(6)) / 3;
        const int buttonTop = h + place.y(11);
        int x = inner;
        for (int id : {IDC_BUTTON_GOTOPROGRAMSWEBPAGE, IDC_BUTTON_EMAILTOAUTHOR, IDC_BUTTON_WRITETOFORUM}) {
            place.place(id, x, buttonTop, buttonWidth, place.y(14));
            x += buttonWidth + place.x(6);
        }
    }
    place.place(IDC_GROUP_HELP, 0, 0, w, h);
    const int top = place.y(12);
    const int rowHeight = place.y(12);
    const int left = place.x(6);
    const int labelWidth = place.x(76);
    const int sizeLabelWidth = place.x(38);
    const int sizeWidth = place.x(34);
    const int gap = place.x(6);
    // The font size sits at the right; the topic list takes what is left between.
    const int sizeLeft = w - left - sizeWidth;
    const int sizeLabelLeft = sizeLeft - sizeLabelWidth;
    const int listLeft = left + labelWidth;
    place.place(IDC_LABEL_CONTENTS, left, top + place.y(2), labelWidth, rowHeight);
    place.place(IDC_LIST_CONTENTS, listLeft, top, sizeLabelLeft - gap - listLeft, place.y(150));
    place.place(IDC_LABEL_CONTENTSFONTSIZE, sizeLabelLeft, top + place.y(2), sizeLabelWidth, rowHeight);
    place.place(IDC_LIST_CONTENTSFONTSIZE, sizeLeft, top, sizeWidth, place.y(150));
    const int viewTop = top + place.y(18);
    place.place(view_, left, viewTop, w - 2 * left, h - viewTop - place.y(6));
}

void HelpPage::selectTopic(int index) {
    viewer_.select(index);
    SendDlgItemMessageW(hwnd(), IDC_LIST_CONTENTS, CB_SETCURSEL, viewer_.current(), 0);
    showTopic();
}

void HelpPage::selectFontSize(int points) {
    if (!viewer_.setFontSize(points)) return;
    SendDlgItemMessageW(hwnd(), IDC_LIST_CONTENTSFONTSIZE, CB_SETCURSEL, points - help::kFirstFontSize, 0);
    // The note keeps its style only when it is written again.
    if (noteShown_) {
        showTopic();
    } else {
        applyFont(view_);
    }
}

void HelpPage::showTopic() {
    if (!view_) return;
    const std::wstring text = widen(viewer_.currentText());
    SetWindowTextW(view_, text.c_str());
    applyFont(view_);
    noteShown_ = host_ && host_->welcomeShown();
    // The note that tells the way into the program is longer than the view is wide: on the
    // welcome screen the view wraps, so a new user reads it without scrolling sideways.
    if (!wrapChosen_ && viewer_.wordWrap != noteShown_) setWordWrap(noteShown_);
    if (noteShown_) {
        moveCaretToEnd(view_);
        CHARFORMAT2W style{};
        style.cbSize = sizeof(style);
        style.dwMask = CFM_BOLD | CFM_ITALIC;
        style.dwEffects = CFE_BOLD | CFE_ITALIC;
        SendMessageW(view_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&style));
        const std::wstring note = widen(help::kWelcomeNote);
        SendMessageW(view_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(note.c_str()));
        style.dwEffects = 0;
        SendMessageW(view_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&style));
        SendMessageW(view_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L" "));
    }
    CHARRANGE start{0, 0};
    SendMessageW(view_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
    SendMessageW(view_, EM_SCROLLCARET, 0, 0);
}

void HelpPage::applyFont(HWND edit) const {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    // Regular style throughout: only the welcome note is written bold italic.
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC;
    format.yHeight = viewer_.fontSize() * 20;
    format.bCharSet = DEFAULT_CHARSET;
    lstrcpynW(format.szFaceName, L"Arial", LF_FACESIZE);
    SendMessageW(edit, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void HelpPage::setWordWrap(bool on) {
    viewer_.wordWrap = on;
    // Target line width 0 wraps at the window's edge, 1 never wraps.
    SendMessageW(view_, EM_SETTARGETDEVICE, 0, on ? 0 : 1);
}

void HelpPage::pageChanged(app::MainPage) {
    // The welcome screen has gone (or come): the note and the contact group follow.
    if (host_ && noteShown_ != host_->welcomeShown()) {
        showTopic();
        layout();
    }
}

void HelpPage::configurationReloaded() {
    session::Session& session = *session_;
    help::saveReadmeIfMissing(session.context().platform.fs, session.context().platform.ui,
                              session.context().programDirectory, session.config().check_viewalerts);
    if (session.context().commandLine.isUpdate()) {
        viewer_.selectVersionHistory();
        selectTopic(viewer_.current());
    } else {
        selectTopic(0);
    }
}

void HelpPage::showMenu(POINT at) {
    PopupMenu print;
    print.add(kPrintCurrent, help::kMenuPrintCurrent).add(kPrintAll, help::kMenuPrintAll);
    PopupMenu menu;
    menu.addChecked(kWordWrap, help::kMenuWordWrap, viewer_.wordWrap)
        .add(kCopy, help::kMenuCopy)
        .addSubmenu(help::kMenuPrint, print);
    switch (menu.track(hwnd(), at)) {
        case kWordWrap:
            wrapChosen_ = true;
            setWordWrap(!viewer_.wordWrap);
            break;
        case kCopy:
            copyToClipboard();
            break;
        case kPrintCurrent:
            printCurrent();
            break;
        case kPrintAll:
            printAll();
            break;
        default:
            break;
    }
}

void HelpPage::copyToClipboard() {
    session_->context().platform.clipboard.setText(platform::win32::narrow(viewText(view_)));
}

void HelpPage::printCurrent() { printRichText(hwnd(), view_, widen(viewer_.currentTitle())); }

void HelpPage::printAll() {
    // A hidden view of the whole text in the view's font, printed and thrown away.
    HWND whole = createRichEdit(hwnd(), 0, ES_MULTILINE | ES_READONLY, 0);
    if (!whole) return;
    SendMessageW(whole, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
    const std::wstring text = widen(viewer_.wholeText());
    SetWindowTextW(whole, text.c_str());
    applyFont(whole);
    printRichText(hwnd(), whole, widen(help::kPrintAllJobTitle));
    DestroyWindow(whole);
}

INT_PTR HelpPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                switch (LOWORD(wParam)) {
                    case IDC_BUTTON_GOTOPROGRAMSWEBPAGE:
                        contact_->openHomePage();
                        return TRUE;
                    case IDC_BUTTON_EMAILTOAUTHOR:
                        contact_->mailToAuthor();
                        return TRUE;
                    case IDC_BUTTON_WRITETOFORUM:
                        contact_->writeToForum();
                        return TRUE;
                    default:
                        break;
                }
            }
            if (HIWORD(wParam) == CBN_SELCHANGE) {
                const auto index = static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0));
                if (LOWORD(wParam) == IDC_LIST_CONTENTS && index >= 0) selectTopic(index);
                if (LOWORD(wParam) == IDC_LIST_CONTENTSFONTSIZE && index >= 0) {
                    selectFontSize(help::kFirstFontSize + index);
                }
                return TRUE;
            }
            break;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == view_) {
                POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                // From the keyboard: at the view's top-left corner.
                if (at.x == -1 && at.y == -1) {
                    at = {0, 0};
                    ClientToScreen(view_, &at);
                }
                showMenu(at);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return PageDialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
