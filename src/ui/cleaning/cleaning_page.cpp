#include "ui/cleaning/cleaning_page.h"

#include "core/cleaning/cleaning_page_model.h"
#include "ui/cleaning/cleaning_page_ids.h"

namespace kefelo::ui {

CleaningPage::CleaningPage(platform::Platform& platform, platform::Shell& shell, config::ConfigModel& model)
    : lists_(platform, shell, model) {}

namespace {
// Calls whatever the member holds at the time of the call.
template <typename... Args>
std::function<void(Args...)> later(std::function<void(Args...)>& member) {
    return [&member](Args... args) {
        if (member) member(args...);
    };
}
}  // namespace

bool CleaningPage::create(HINSTANCE instance, HWND page) {
    page_ = page;
    Callbacks& c = callbacks_;
    CleaningListsView::Callbacks listCallbacks{later(c.beginClean), later(c.hint), later(c.listsEdited)};
    CleaningReportView::Callbacks reportCallbacks{
        later(c.reportHalt),      later(c.reportRunEnd),
        later(c.reportRunRepeat), later(c.reportSave),
        later(c.autodelBat),      [&c] { return c.printJobTitle ? c.printJobTitle() : std::string(); }};
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
    const HWND shown = report ? report_.hwnd() : lists_.hwnd();
    const HWND hidden = report ? lists_.hwnd() : report_.hwnd();
    // On top of its sibling first, so it paints all of its area (its group boxes have no
    // background of their own), and only then the other goes.
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ShowWindow(hidden, SW_HIDE);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
