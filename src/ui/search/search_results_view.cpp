#include "ui/search/search_results_view.h"

#include <uxtheme.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/common/dpi.h"
#include "ui/common/window.h"
#include "ui/controls/layout.h"
#include "ui/search/control_hints.h"
#include "ui/search/search_page_ids.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr int kOperationButtons[] = {IDC_BUTTON_FINDSSELECTMOVE, IDC_BUTTON_FINDSSELECTTOZIP,
                                     IDC_BUTTON_FINDSSELECTDELETE};
constexpr int kProgressPanel[] = {IDC_PUTOLSOALLOMANY, IDC_LABEL_ACTUALPATH, IDC_MEMO_FINDFILEACTUALPATH};
constexpr int kLegendCount = static_cast<int>(search::kLegend.size());

// Sent to child windows once the top window has moved to another DPI (Windows 10).
constexpr UINT kDpiChangedAfterParent = 0x02E3;

int textWidth(HWND control) {
    const WindowDc screen(control);
    if (!screen.dc()) return 0;
    const SelectScope select(screen.dc(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring text = widen(windowText(control));
    SIZE size{};
    GetTextExtentPoint32W(screen.dc(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}
}  // namespace

bool SearchResultsView::create(HINSTANCE instance, HWND parent, search::SearchPageModel& model, Callbacks callbacks) {
    instance_ = instance;
    model_ = &model;
    callbacks_ = std::move(callbacks);
    return createModeless(instance, IDD_SEARCH_RESULTS, parent) != nullptr;
}

void SearchResultsView::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    grid_.attach(GetDlgItem(hwnd(), IDC_LIST_FINDS), *model_, dpiOf(hwnd()));
    legend_.attach(hwnd(), IDC_LABEL_FINDSCOLOUR_FIRST, *model_);
    buttons_.attach(hwnd(), IDC_BUTTON_SEARCHHALT);
    for (int id : kOperationButtons) buttons_.attach(hwnd(), id);
    makeBoldFont();

    for (int id :
         {IDC_LIST_FINDS, IDC_BUTTON_SEARCHHALT, IDC_LABEL_FINDSABOUT, IDC_CHECK_AUTOREFRESH, IDC_LABEL_FINDSELECT,
          IDC_BUTTON_FINDSSELECTMOVE, IDC_BUTTON_FINDSSELECTTOZIP, IDC_BUTTON_FINDSSELECTDELETE}) {
        hover_.trackControl(GetDlgItem(hwnd(), id));
    }
    for (int i = 0; i < kLegendCount; ++i) hover_.trackControl(GetDlgItem(hwnd(), IDC_LABEL_FINDSCOLOUR_FIRST + i));
    hover_.setCallback([this](HWND window) { onHover(window); });
    update();
    // The dialog may already have the size it is given later, which then sends no WM_SIZE.
    layout();
}

void SearchResultsView::makeBoldFont() {
    LOGFONTW font{};
    auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    if (!dialogFont || !GetObjectW(dialogFont, sizeof font, &font)) return;
    font.lfWeight = FW_BOLD;
    UniqueFont bold(CreateFontIndirectW(&font));
    // The label lets go of the old font before it is deleted.
    if (boldShown_ && bold) {
        SendDlgItemMessageW(hwnd(), IDC_LABEL_FINDSELECT, WM_SETFONT, reinterpret_cast<WPARAM>(bold.get()), TRUE);
    }
    boldFont_ = std::move(bold);
}

void SearchResultsView::setText(int id, const std::string& text) const {
    HWND control = GetDlgItem(hwnd(), id);
    // Only what changed: the progress is copied in several times a second.
    if (control && windowText(control) != text) SetWindowTextW(control, widen(text).c_str());
}

void SearchResultsView::show(int id, bool visible) const {
    HWND control = GetDlgItem(hwnd(), id);
    // Its own visibility: the main window may be hidden in the tray.
    const bool shown = control && (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE);
    if (control && shown != visible) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void SearchResultsView::update() {
    if (!hwnd()) return;
    const search::SearchPageModel& m = *model_;
    setText(IDC_GROUP_FINDS, m.group_finds);
    setText(IDC_GROUP_FINDSABOUT, m.group_findsabout);
    setText(IDC_GROUP_FINDSELECT, m.group_findselect);
    setText(IDC_LABEL_FINDSABOUT, m.label_findsabout);
    setText(IDC_LABEL_FINDSELECT, m.label_findselect);
    setText(IDC_MEMO_FINDFILEACTUALPATH, m.memo_findfileactualpath);
    setText(IDC_BUTTON_SEARCHHALT, m.button_searchhalt);
    if (m.label_findselectBold != boldShown_) {
        boldShown_ = m.label_findselectBold;
        HFONT font =
            boldShown_ && boldFont_ ? boldFont_.get() : reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
        SendDlgItemMessageW(hwnd(), IDC_LABEL_FINDSELECT, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }

    for (int id : kProgressPanel) show(id, m.progressShown);
    show(IDC_LIST_FINDS, m.list_findsShown && !m.progressShown);
    EnableWindow(grid_.hwnd(), m.list_findsEnabled);

    CheckDlgButton(hwnd(), IDC_CHECK_AUTOREFRESH, m.check_autorefresh ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(hwnd(), IDC_CHECK_AUTOREFRESH), m.check_autorefreshEnabled);
    // A disabled box takes its contents with it.
    EnableWindow(GetDlgItem(hwnd(), IDC_GROUP_FINDSELECT), m.group_findselectEnabled);
    EnableWindow(GetDlgItem(hwnd(), IDC_LABEL_FINDSELECT), m.group_findselectEnabled);
    const bool operations = m.group_findselectEnabled && m.operationButtonsEnabled();
    for (int id : kOperationButtons) {
        SelButton* button = buttons_.find(id);
        if (button && button->enabled() != operations) button->setEnabled(operations);
    }
    grid_.showCurrentRow();
}

void SearchResultsView::foundFilesChanged() {
    if (!hwnd()) return;
    grid_.rowsChanged();
    legend_.redraw();
}

void SearchResultsView::focusList() {
    if (grid_.hwnd() && IsWindowVisible(grid_.hwnd())) SetFocus(grid_.hwnd());
}

void SearchResultsView::onHover(HWND window) {
    std::string text;
    if (window == grid_.hwnd()) {
        text = model_->foundFilesHint();
    } else if (legend_.isLabel(window)) {
        text = search::kLegendHint;
    } else if (window != hwnd()) {
        text = controlHint(instance_, window);
    }
    if (text == lastHint_) return;
    lastHint_ = text;
    if (callbacks_.hint) callbacks_.hint(text);
}

void SearchResultsView::onCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_BUTTON_SEARCHHALT:
            if (code == BN_CLICKED) model_->button_searchhaltClick();
            break;
        case IDC_BUTTON_FINDSSELECTTOZIP:
            if (code == BN_CLICKED && callbacks_.compress) callbacks_.compress();
            break;
        case IDC_CHECK_AUTOREFRESH:
            if (code == BN_CLICKED) model_->check_autorefreshClick(IsDlgButtonChecked(hwnd(), id) == BST_CHECKED);
            break;
        case IDC_BUTTON_FINDSSELECTMOVE:
            if (code == BN_CLICKED) model_->button_findsselectmoveClick();
            break;
        case IDC_BUTTON_FINDSSELECTDELETE:
            if (code == BN_CLICKED) model_->button_findsselectdeleteClick();
            break;
        default:
            if (code == STN_CLICKED) legend_.clicked(control);
            break;
    }
}

void SearchResultsView::layout() {
    DialogLayout place(hwnd(), 32);
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(2);

    // The strip at the bottom: the halt button and the colour legend in one row.
    const int stripHeight = place.y(26);
    const int stripTop = h - place.y(2) - stripHeight;
    const int haltWidth = place.x(72), haltHeight = place.y(16);
    place.place(IDC_BUTTON_SEARCHHALT, margin, stripTop + place.y(7), haltWidth, haltHeight);
    const int legendLeft = margin + haltWidth + place.x(6);
    place.place(IDC_GROUP_FINDSCOLURS, legendLeft, stripTop, w - margin - legendLeft, stripHeight);
    int x = legendLeft + place.x(6);
    for (int i = 0; i < kLegendCount; ++i) {
        HWND label = GetDlgItem(hwnd(), IDC_LABEL_FINDSCOLOUR_FIRST + i);
        const int width = textWidth(label) + place.x(2);
        place.place(label, x, stripTop + place.y(11), width, place.y(10));
        x += width + place.x(7);
    }

    // The column on the right: the found files' and the active files' summaries.
    const int sideWidth = place.x(84);
    const int sideLeft = w - margin - sideWidth;
    const int innerLeft = sideLeft + place.x(6), innerWidth = sideWidth - place.x(12);
    const int aboutHeight = place.y(48);
    place.place(IDC_GROUP_FINDSABOUT, sideLeft, top, sideWidth, aboutHeight);
    place.place(IDC_LABEL_FINDSABOUT, innerLeft, top + place.y(12), innerWidth, place.y(18));
    place.place(IDC_CHECK_AUTOREFRESH, innerLeft, top + place.y(33), innerWidth, place.y(10));
    const int selectTop = top + aboutHeight + place.y(4);
    const int buttonsTop = selectTop + place.y(34);
    const int buttonHeight = place.y(14), buttonStep = place.y(17);
    const int buttonCount = static_cast<int>(std::size(kOperationButtons));
    place.place(IDC_GROUP_FINDSELECT, sideLeft, selectTop, sideWidth,
                buttonsTop + buttonCount * buttonStep + place.y(4) - selectTop);
    place.place(IDC_LABEL_FINDSELECT, innerLeft, selectTop + place.y(12), innerWidth, place.y(18));
    for (int i = 0; i < buttonCount; ++i) {
        place.place(kOperationButtons[i], innerLeft, buttonsTop + i * buttonStep, innerWidth, buttonHeight);
    }

    // The found files take the rest; the progress panel stands in the list's place.
    const int findsWidth = sideLeft - margin - margin;
    const int findsHeight = stripTop - place.y(2) - top;
    place.place(IDC_GROUP_FINDS, margin, top, findsWidth, findsHeight);
    const int listLeft = margin + place.x(6), listTop = top + place.y(12);
    const int listWidth = findsWidth - place.x(12);
    const int listHeight = top + findsHeight - place.y(6) - listTop;
    place.place(IDC_LIST_FINDS, listLeft, listTop, listWidth, listHeight);
    const int panelHeight = std::min(listHeight, place.y(64));
    const int panelInner = listLeft + place.x(6), panelWidth = listWidth - place.x(12);
    place.place(IDC_PUTOLSOALLOMANY, listLeft, listTop, listWidth, panelHeight);
    place.place(IDC_LABEL_ACTUALPATH, panelInner, listTop + place.y(6), panelWidth, place.y(9));
    place.place(IDC_MEMO_FINDFILEACTUALPATH, panelInner, listTop + place.y(18), panelWidth, panelHeight - place.y(24));
}

INT_PTR SearchResultsView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (grid_.onNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) {
                SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, result);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = legend_.labelColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<INT_PTR>(brush);
            break;
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case kDpiChangedAfterParent:
            grid_.setDpi(dpiOf(hwnd()));
            makeBoldFont();
            return TRUE;
        default:
            break;
    }
    return PageDialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
