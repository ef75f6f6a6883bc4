#include "ui/search/search_page.h"

#include "core/session/session.h"
#include "ui/search/search_page_ids.h"

namespace kefelo::ui {
namespace {
constexpr wchar_t kClassName[] = L"KefeloSearchPage";
}  // namespace

bool SearchPage::createWindow(HINSTANCE instance, HWND page) {
    page_ = page;
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    CreateArgs args;
    args.className = kClassName;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.x = args.y = 0;
    args.width = args.height = 10;
    args.parent = page;
    return Window::create(instance, args) != nullptr;
}

SearchPage::~SearchPage() {
    if (session_) session_->attachSearchView(nullptr);
}

bool SearchPage::create(const MainPageContext& context) {
    PageHost& host = context.host;
    Host ours{context.status, [&host] { return host.pageShown(app::page_filesearch); },
              [&host] { host.showPage(app::page_filesearch); }, [&host] { host.openOwnTypes(); },
              [&host] { host.openZipWindow(); }};
    if (!create(context.instance, context.page, context.session.search(), context.session.typeLists(), ours))
        return false;
    session_ = &context.session;
    diagnosticMode_ = [&host] { return host.diagnosticMode(); };
    session_->attachSearchView(&view());
    return true;
}

bool SearchPage::create(HINSTANCE instance, HWND page, search::SearchPageModel& model, config::TypeLists& lists,
                        Host host) {
    status_ = &host.status;
    searchPageShown_ = std::move(host.searchPageShown);
    showSearchPage_ = std::move(host.showSearchPage);
    openOwnTypes_ = std::move(host.openOwnTypes);
    if (!createWindow(instance, page)) return false;
    auto hint = [this](const std::string& text) { showHint(text); };
    if (!settings_.create(instance, hwnd(), lists, model, {hint, openOwnTypes_})) return false;
    if (!results_.create(instance, hwnd(), model, {hint, std::move(host.compress)})) return false;
    model_ = &model;
    pageHook_.attach(page, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) fitToPage();
        return std::nullopt;
    });
    fitToPage();
    refresh();
    return true;
}

void SearchPage::refresh() {
    if (!model_) return;
    settings_.refreshLists();
    settings_.update();
    results_.update();
    results_.foundFilesChanged();
    setInnerPage(model_->pcKereses);
}

void SearchPage::pageChanged(app::MainPage shown) {
    if (shown != app::page_filesearch) return;
    refresh();
    // Outside diagnostic mode the inner page's main list takes the focus.
    if (diagnosticMode_ && diagnosticMode_()) return;
    if (innerPage_ == search::search_results) {
        results_.focusList();
    } else if (HWND categories = GetDlgItem(settings_.hwnd(), IDC_LIST_SEARCHCATEGORY)) {
        SetFocus(categories);
    }
}

void SearchPage::activated() {
    if (model_) model_->activated();
}

bool SearchPage::previewKey(const MSG& msg) {
    if (!model_ || msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
    return model_->escapePressed();
}

void SearchPage::fitToPage() {
    if (!page_ || !hwnd()) return;
    RECT client{};
    GetClientRect(page_, &client);
    SetWindowPos(hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SearchPage::layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    for (HWND inner : {settings_.hwnd(), results_.hwnd()}) {
        if (inner) SetWindowPos(inner, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SearchPage::setInnerPage(int page) {
    const bool results = page == search::search_results && results_.hwnd();
    const HWND shown = results ? results_.hwnd() : settings_.hwnd();
    const HWND hidden = results ? settings_.hwnd() : results_.hwnd();
    // Its own visibility: the main window may be hidden in the tray.
    const bool changing = innerPage_ != page || !(GetWindowLongW(shown, GWL_STYLE) & WS_VISIBLE);
    innerPage_ = results ? search::search_results : search::search_settings;
    if (!changing) return;
    // The focus must not stay behind on a page that hides.
    const HWND focus = GetFocus();
    const bool focusHides = hidden && focus && (focus == hidden || IsChild(hidden, focus));
    // On top of its sibling first, so it paints all of its area (its group boxes have no
    // background of their own), and only then the other goes.
    SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (hidden) ShowWindow(hidden, SW_HIDE);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (focusHides) SetFocus(results ? results_.list() : GetDlgItem(shown, IDC_EDIT_SEARCHPATH));
}

void SearchPage::showHint(const std::string& hint) {
    if (status_) status_->showHint(hint);
}

LRESULT SearchPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        layout();
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

// --- search::SearchView ---

void SearchPage::searchPageChanged() {
    if (!model_) return;
    settings_.update();
    // The lists are the settings page's; while the results show they do not change.
    if (model_->pcKereses == search::search_settings) settings_.refreshLists();
    results_.update();
    setInnerPage(model_->pcKereses);
}

void SearchPage::foundFilesChanged() {
    if (model_) results_.foundFilesChanged();
}

bool SearchPage::searchPageShown() { return searchPageShown_ && searchPageShown_(); }

void SearchPage::showSearchPage() {
    if (showSearchPage_) showSearchPage_();
}

void SearchPage::focusFoundFiles() {
    if (model_) results_.focusList();
}

}  // namespace kefelo::ui
