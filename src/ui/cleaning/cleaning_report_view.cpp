#include "ui/cleaning/cleaning_report_view.h"

#include <richedit.h>
#include <uxtheme.h>

#include "core/cleaning/cleaning_page_model.h"
#include "platform/win32/wide.h"
#include "ui/cleaning/cleaning_page_ids.h"
#include "ui/cleaning/log_colours.h"
#include "ui/controls/layout.h"
#include "ui/controls/rich_text.h"

namespace kefelo::ui {
namespace {
using platform::win32::widen;

constexpr int kButtonIds[] = {
    IDC_BUTTON_REPORTHALT, IDC_BUTTON_REPORTRUNEND, IDC_BUTTON_REPORTRUNREPEAT,
    IDC_BUTTON_REPORTSAVE, IDC_BUTTON_REPORTPRINT,  IDC_BUTTONAUTODELBAT,
};
constexpr int kReportButtons[] = {
    IDC_BUTTON_REPORTRUNEND, IDC_BUTTON_REPORTRUNREPEAT, IDC_BUTTON_REPORTSAVE,
    IDC_BUTTON_REPORTPRINT,  IDC_BUTTONAUTODELBAT,
};
constexpr int kLegendCount = static_cast<int>(cleaning::kReportLegend.size());

void show(HWND window, bool visible) {
    if (window) ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}
}  // namespace

bool CleaningReportView::create(HINSTANCE instance, HWND parent, Callbacks callbacks) {
    callbacks_ = std::move(callbacks);
    return createModeless(instance, IDD_CLEANING_REPORT, parent) != nullptr;
}

void CleaningReportView::initialize() {
    EnableThemeDialogTexture(hwnd(), ETDT_ENABLETAB);
    createLog();
    for (int id : kButtonIds) buttons_.attach(hwnd(), id);
    showHalt(false);
    showButtons(true);
    setAutodelEnabled(false);
}

void CleaningReportView::createLog() {
    RECT place{};
    const bool replacing = log_ != nullptr;
    if (replacing) {
        GetWindowRect(log_, &place);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
        DestroyWindow(log_);
    }
    log_ = createRichEdit(hwnd(), IDC_MEMO_CLEANREPORT,
                          WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                              ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | (logVisible_ ? WS_VISIBLE : 0),
                          WS_EX_CLIENTEDGE);
    if (!log_) return;
    SendMessageW(log_, WM_SETFONT, SendMessageW(hwnd(), WM_GETFONT, 0, 0), FALSE);
    // No word wrap: a long path stays on its line and the horizontal bar reaches it.
    SendMessageW(log_, EM_SETTARGETDEVICE, 0, 1);
    // In the tab order right after the current-path box.
    SetWindowPos(log_, GetDlgItem(hwnd(), IDC_MUTOLSOURIT), place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOACTIVATE | (replacing ? 0 : SWP_NOMOVE | SWP_NOSIZE));
}

void CleaningReportView::setCaption(const std::string& caption) {
    SetDlgItemTextW(hwnd(), IDC_GROUP_REPORT, widen(caption).c_str());
}

void CleaningReportView::showHalt(bool visible) {
    haltVisible_ = visible;
    show(GetDlgItem(hwnd(), IDC_GROUP_REPORTHALT), visible);
    show(GetDlgItem(hwnd(), IDC_BUTTON_REPORTHALT), visible);
}

void CleaningReportView::showButtons(bool visible) {
    buttonsVisible_ = visible;
    show(GetDlgItem(hwnd(), IDC_GROUP_REPORTBUTTONS), visible);
    for (int id : kReportButtons) show(GetDlgItem(hwnd(), id), visible);
}

void CleaningReportView::hideLog() {
    logVisible_ = false;
    // A new control rather than emptying the old one: some rich-edit versions take
    // minutes to delete a long text line by line.
    if (log_ && GetWindowTextLengthW(log_) > 0) {
        createLog();
    } else {
        show(log_, false);
    }
}

void CleaningReportView::showLog(const cleaning::CleaningLog& log) {
    if (log_ && GetWindowTextLengthW(log_) > 0) createLog();
    logVisible_ = true;
    if (!log_) return;
    std::vector<RichTextRun> runs;
    runs.reserve(log.runs().size());
    for (const cleaning::LogRun& run : log.runs()) {
        runs.push_back({widen(run.text), {run.style.bold, run.style.underline, logColour(run.colour)}});
    }
    setRichText(log_, runs);
    show(log_, true);
    InvalidateRect(log_, nullptr, TRUE);
    SendMessageW(log_, EM_SCROLLCARET, 0, 0);
}

void CleaningReportView::setLastPathText(const std::string& text) {
    SetDlgItemTextW(hwnd(), IDC_MUTOLSOURIT, widen(text).c_str());
}

void CleaningReportView::focusButtons() {
    // The group itself takes no focus; its first button stands for it.
    if (HWND first = GetDlgItem(hwnd(), IDC_BUTTON_REPORTRUNEND); first && IsWindowVisible(first)) SetFocus(first);
}

void CleaningReportView::focusLog() {
    if (log_ && IsWindowVisible(log_)) SetFocus(log_);
}

void CleaningReportView::setAutodelEnabled(bool enabled) {
    if (SelButton* b = button(IDC_BUTTONAUTODELBAT)) b->setEnabled(enabled);
}

bool CleaningReportView::printLog(const std::string& jobTitle) {
    return log_ && printRichText(GetAncestor(hwnd(), GA_ROOT), log_, widen(jobTitle));
}

void CleaningReportView::setRunChart(RunChartData data) {
    chart_ = std::move(data);
    if (HWND chart = GetDlgItem(hwnd(), IDC_RUN_CHART)) InvalidateRect(chart, nullptr, FALSE);
}

bool CleaningReportView::drawItem(LPARAM item) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(item);
    if (draw->CtlID != IDC_RUN_CHART) return buttons_.draw(item);
    drawRunChart(draw->hDC, draw->rcItem, chart_, reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0)));
    return true;
}

void CleaningReportView::onButton(int id) {
    auto call = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (id) {
        case IDC_BUTTON_REPORTHALT:
            call(callbacks_.halt);
            break;
        case IDC_BUTTON_REPORTRUNEND:
            call(callbacks_.runEnd);
            break;
        case IDC_BUTTON_REPORTRUNREPEAT:
            call(callbacks_.repeat);
            break;
        case IDC_BUTTON_REPORTSAVE:
            call(callbacks_.save);
            break;
        case IDC_BUTTONAUTODELBAT:
            call(callbacks_.autodel);
            break;
        case IDC_BUTTON_REPORTPRINT:
            printLog(callbacks_.printJobTitle ? callbacks_.printJobTitle() : std::string());
            break;
        default:
            break;
    }
}

void CleaningReportView::layout() {
    DialogLayout place(hwnd(), 24);
    const int w = place.width(), h = place.height();
    const int margin = place.x(4), top = place.y(2);

    const int legendWidth = place.x(72);
    const int legendLeft = w - margin - legendWidth;
    const int rowHeight = place.y(11);
    place.place(IDC_GROUP_REPORTCOLURS, legendLeft, top, legendWidth, place.y(16) + kLegendCount * rowHeight);
    for (int i = 0; i < kLegendCount; ++i) {
        place.place(IDC_LABEL_COLOUR_FIRST + i, legendLeft + place.x(6), top + place.y(12) + i * rowHeight,
                    legendWidth - place.x(12), place.y(10));
    }

    // The chart fills the column under the legend down to the page's foot.
    const int chartTop = top + place.y(16) + kLegendCount * rowHeight + place.y(2);
    const int chartBottom = h - place.y(4);
    place.place(IDC_GROUP_RUNCHART, legendLeft, chartTop, legendWidth, chartBottom - chartTop);
    place.place(IDC_RUN_CHART, legendLeft + place.x(4), chartTop + place.y(11), legendWidth - place.x(8),
                chartBottom - chartTop - place.y(15));

    const int left = margin, width = legendLeft - margin - margin;
    const int stripHeight = place.y(28);
    const int stripTop = h - place.y(4) - stripHeight;
    const int buttonHeight = place.y(14);
    const int buttonTop = stripTop + (stripHeight - buttonHeight) / 2 + place.y(2);
    const int innerLeft = left + place.x(6), innerWidth = width - place.x(12);
    place.place(IDC_GROUP_REPORTHALT, left, stripTop, width, stripHeight);
    place.place(IDC_BUTTON_REPORTHALT, innerLeft, buttonTop, place.x(62), buttonHeight);
    place.place(IDC_GROUP_REPORTBUTTONS, left, stripTop, width, stripHeight);
    const int gap = place.x(3);
    const int count = static_cast<int>(std::size(kReportButtons));
    const int buttonWidth = (innerWidth - (count - 1) * gap) / count;
    for (int i = 0; i < count; ++i) {
        const int x = innerLeft + i * (buttonWidth + gap);
        place.place(kReportButtons[i], x, buttonTop, i == count - 1 ? innerLeft + innerWidth - x : buttonWidth,
                    buttonHeight);
    }

    const int groupHeight = stripTop - place.y(2) - top;
    place.place(IDC_GROUP_REPORT, left, top, width, groupHeight);
    const int pathTop = top + place.y(12), pathHeight = place.y(12);
    place.place(IDC_MUTOLSOURIT, innerLeft, pathTop, innerWidth, pathHeight);
    const int logTop = pathTop + pathHeight + place.y(3);
    place.place(log_, innerLeft, logTop, innerWidth, top + groupHeight - place.y(6) - logTop);
}

INT_PTR CleaningReportView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            const int index = id - IDC_LABEL_COLOUR_FIRST;
            if (index < 0 || index >= kLegendCount) break;
            // On the log's own background, so each colour looks as it does in the log.
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, logColour(cleaning::kReportLegend[index].colour).value_or(GetSysColor(COLOR_WINDOWTEXT)));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) onButton(LOWORD(wParam));
            return TRUE;
        default:
            break;
    }
    return PageDialog::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
