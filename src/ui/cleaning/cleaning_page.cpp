#include "ui/cleaning/cleaning_page.h"

#include "core/cleaning/cleaning_page_model.h"
#include "ui/cleaning/cleaning_page_ids.h"

namespace kefelo::ui {

CleaningPage::CleaningPage(platform::Platform& platform, config::ConfigModel& model) : lists_(platform, model) {}

bool CleaningPage::create(HINSTANCE instance, HWND page, Callbacks callbacks) {
    page_ = page;
    CleaningListsView::Callbacks listCallbacks{callbacks.beginClean, callbacks.hint, callbacks.listsEdited};
    CleaningReportView::Callbacks reportCallbacks{callbacks.reportHalt,  callbacks.reportRunEnd,
                                                  callbacks.reportRunRepeat, callbacks.reportSave,
                                                  callbacks.autodelBat,  callbacks.printJobTitle};
    if (!lists_.create(instance, page, std::move(listCallbacks))) return false;
    if (!report_.create(instance, page, std::move(reportCallbacks))) return false;
    pageHook_.attach(page, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) layout();
        return std::nullopt;
    });
    layout();
    setInnerPage(cleaning::cleaning_lists);
    return true;
}

void CleaningPage::setInnerPage(int page) {
    if (page != cleaning::cleaning_lists && page != cleaning::cleaning_report) return;
    innerPage_ = page;
    const bool report = page == cleaning::cleaning_report;
    // The page coming up is shown first, so the area never flashes empty.
    ShowWindow(report ? report_.hwnd() : lists_.hwnd(), SW_SHOWNA);
    ShowWindow(report ? lists_.hwnd() : report_.hwnd(), SW_HIDE);
}

void CleaningPage::focusDefault() {
    if (innerPage_ == cleaning::cleaning_report) {
        report_.focusLog();
    } else {
        lists_.focusContainers();
    }
}

void CleaningPage::connectListButton(int id, std::function<void()> handler) {
    lists_.connectButton(id, std::move(handler));
}

HWND CleaningPage::containerGrid() const { return GetDlgItem(lists_.hwnd(), IDC_LIST_TEMPS); }
HWND CleaningPage::taskGrid() const { return GetDlgItem(lists_.hwnd(), IDC_LIST_PROJECTS); }

void CleaningPage::layout() {
    if (!page_) return;
    RECT client{};
    GetClientRect(page_, &client);
    for (HWND inner : {lists_.hwnd(), report_.hwnd()}) {
        if (inner) SetWindowPos(inner, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace kefelo::ui
