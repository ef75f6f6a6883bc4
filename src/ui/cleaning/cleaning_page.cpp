#include "ui/cleaning/cleaning_page.h"

#include "base/time/datetime.h"
#include "core/cleaning/cleaning_page_model.h"
#include "core/cleaning/log_files.h"
#include "core/session/session.h"
#include "platform/win32/wide.h"
#include "ui/app/tray_menus.h"
#include "ui/cleaning/cleaning_page_ids.h"
#include "ui/common/window.h"
#include "ui/containers/container_list_menus.h"
#include "ui/containers/task_editor_view.h"

namespace kefelo::ui {
namespace {
// `Timer1`: ends the waiting panel.
constexpr UINT_PTR kTimer1 = 1;
}  // namespace

CleaningPage::CleaningPage() = default;

CleaningPage::~CleaningPage() {
    if (session_) {
        session_->attachCleaningView(nullptr);
        session_->attachDiscoveryView(nullptr);
        session_->history().changed = nullptr;
    }
}

bool CleaningPage::create(const MainPageContext& context) {
    session_ = &context.session;
    host_ = &context.host;
    page_ = context.page;
    if (!createViews(context)) return false;
    pageHook_.attach(page_, [this](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) layout();
        if (message == WM_TIMER && wParam == kTimer1) {
            hideWaitingPanel();
            return 0;
        }
        return std::nullopt;
    });
    layout();
    setInnerPage(cleaning::cleaning_lists);

    session::Session& s = context.session;
    containerMenus_ = std::make_unique<ContainerListMenus>(s.context().platform, s.config(), *this);
    containerMenus_->connect();
    connectListButton(IDC_BUTTON_INITIAL, [&s] { s.discovery().button_initialClick(); });
    connectListButton(IDC_BUTTON_PREVIEWCLEAN, [&s] { s.run().button_previewClick(); });
    connectTaskEditors(context);
    s.attachCleaningView(this);
    s.attachDiscoveryView(this);
    if (s.context().commandLine.isAutomatic()) showWaitingPanel();
    return true;
}

void CleaningPage::showWaitingPanel() {
    const HWND grid = containerGrid();
    if (!grid) return;
    pVarj_ =
        Window::createChild(GetParent(grid), {.className = L"STATIC",
                                              .text = cleaning::kWaitingPanelText,
                                              .style = SS_CENTER | SS_CENTERIMAGE,
                                              .exStyle = WS_EX_CLIENTEDGE,
                                              .font = reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0)),
                                              .hidden = true});
    if (!pVarj_) return;
    EnableWindow(grid, FALSE);
    coverContainerGrid(pVarj_);
    ShowWindow(pVarj_, SW_SHOW);
    SetTimer(page_, kTimer1, cleaning::kWaitingPanelMs, nullptr);
}

void CleaningPage::hideWaitingPanel() {
    KillTimer(page_, kTimer1);
    if (pVarj_) DestroyWindow(pVarj_);
    pVarj_ = nullptr;
    // Unless the profiles are being searched meanwhile, which keeps the grid away.
    const HWND grid = containerGrid();
    if (grid && (GetWindowLongW(grid, GWL_STYLE) & WS_VISIBLE)) EnableWindow(grid, TRUE);
}

void CleaningPage::coverContainerGrid(HWND cover) {
    const HWND grid = containerGrid();
    RECT rect{};
    GetWindowRect(grid, &rect);
    MapWindowPoints(nullptr, GetParent(grid), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(cover, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOACTIVATE);
}

bool CleaningPage::createViews(const MainPageContext& context) {
    session::Session& s = context.session;
    app::StatusLine& status = context.status;
    lists_ = std::make_unique<CleaningListsView>(s.context().platform, s.context().shell, s.config());
    CleaningListsView::Callbacks listCallbacks{[&s] { s.run().button_begincleanClick(); },
                                               [&status](const std::string& hint) { status.showHint(hint); }, nullptr};
    CleaningReportView::Callbacks reportCallbacks{
        [&s] { s.run().button_reporthaltClick(); },
        [&s] { s.run().button_reportrunendClick(); },
        [&s] { s.run().button_begincleanClick(); },
        [&s] {
            platform::Platform& p = s.context().platform;
            cleaning::saveLogAs(s.record().log, p.fs, p.ui, s.config().check_viewalerts);
        },
        [&s] { s.autodel().view(); },
        [&s] {
            platform::Platform& p = s.context().platform;
            return cleaning::printJobTitle(s.context().fileVersion,
                                           timeutil::formatDate(p.clock.now(), p.sys.shortDateFormat()));
        }};
    if (!lists_->create(context.instance, page_, std::move(listCallbacks)) ||
        !report_.create(context.instance, page_, std::move(reportCallbacks))) {
        return false;
    }
    s.history().changed = [this, &s] {
        const cleaning::HistorySummary& summary = s.history().summary();
        const std::string picture = s.context().platform.sys.shortDateFormat();
        report_.setRunChart(runChartData(summary, cleaning::runChartTexts(summary, picture)));
    };
    s.history().changed();
    return true;
}

// The new-task and modify editors over the task group, and the own-types window they open.
void CleaningPage::connectTaskEditors(const MainPageContext& context) {
    session::Session& s = context.session;
    containers::TaskEditors& editors = s.taskEditors();
    taskEditorView_ = std::make_unique<TaskEditorView>(editors, s.typeLists(), s.context().platform.clipboard);
    HWND listsDialog = GetParent(taskGrid());
    if (!listsDialog || !taskEditorView_->create(context.instance, listsDialog)) return;

    app::StatusLine& status = context.status;
    taskEditorView_->hint = [&status](const std::string& text) { status.showHint(text); };
    taskEditorView_->onStored = [this, &editors] {
        listsChanged();
        setCurrentTaskRow(editors.currentRow);
    };
    PageHost& host = context.host;
    taskEditorView_->openOwnTypes = [&host] { host.openOwnTypes(); };
    connectListButton(IDC_BUTTON_NEWPROJECT, [this, &editors] {
        editors.button_newprojectClick();
        taskEditorView_->refresh();
    });
    connectListButton(IDC_BUTTON_PROJECTMODIFY, [this, &editors] {
        editors.currentRow = currentTaskRow();
        if (editors.button_projectmodifyClick()) taskEditorView_->refresh();
    });
}

void CleaningPage::pageChanged(app::MainPage shown) {
    listsChanged();
    // Outside diagnostic mode the page's main control takes the focus.
    if (shown == app::page_clean && !host_->diagnosticMode()) focusDefault();
}

bool CleaningPage::previewKey(const MSG& msg) {
    // Esc confirms the report as "Rendben" does.
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
    if (!host_->pageShown(app::page_clean) || innerPage_ != cleaning::cleaning_report || session_->run().running()) {
        return false;
    }
    session_->run().button_reportrunendClick();
    return true;
}

// The tray's popup menu adds a container only while manual adding is unlocked, as the
// add button does.
bool CleaningPage::command(UINT id) {
    if (id != IDM_PMENU_SELECT && id != IDM_PMENU_CLIPBOARD) return false;
    if (id == IDM_PMENU_CLIPBOARD) {
        containerMenus_->addFromClipboard();
    } else {
        containerMenus_->addFromPicker();
    }
    return true;
}

void CleaningPage::setInnerPage(int page) {
    if (page != cleaning::cleaning_lists && page != cleaning::cleaning_report) return;
    innerPage_ = page;
    const bool report = page == cleaning::cleaning_report;
    const HWND shown = report ? report_.hwnd() : lists_->hwnd();
    const HWND hidden = report ? lists_->hwnd() : report_.hwnd();
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
        lists_->focusContainers();
    }
}

void CleaningPage::connectListButton(int id, std::function<void()> handler) {
    lists_->connectButton(id, std::move(handler));
}

HWND CleaningPage::containerGrid() const { return GetDlgItem(lists_->hwnd(), IDC_LIST_TEMPS); }
HWND CleaningPage::taskGrid() const { return GetDlgItem(lists_->hwnd(), IDC_LIST_PROJECTS); }

void CleaningPage::showCleaningPage() { host_->showPage(app::page_clean); }

void CleaningPage::setContainerAddEnabled(bool enabled) {
    if (containerMenus_) containerMenus_->setAddEnabled(enabled);
}

void CleaningPage::setInitialCaption(const std::string& caption) {
    if (SelButton* button = listButton(IDC_BUTTON_INITIAL)) button->setCaption(caption);
}

void CleaningPage::showContainerGrid(bool shown) {
    const HWND grid = containerGrid();
    if (!grid) return;
    EnableWindow(grid, shown ? TRUE : FALSE);
    ShowWindow(grid, shown ? SW_SHOW : SW_HIDE);
    if (!memotempssearch_) {
        memotempssearch_ =
            Window::createChild(GetParent(grid), {.className = L"EDIT",
                                                  .style = ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL,
                                                  .exStyle = WS_EX_CLIENTEDGE,
                                                  .font = reinterpret_cast<HFONT>(SendMessageW(grid, WM_GETFONT, 0, 0)),
                                                  .hidden = true});
    }
    if (!memotempssearch_) return;
    SetWindowTextW(memotempssearch_, L"");
    if (!shown) coverContainerGrid(memotempssearch_);
    ShowWindow(memotempssearch_, shown ? SW_HIDE : SW_SHOW);
}

void CleaningPage::showSearchedFolder(const std::string& folder) {
    if (!memotempssearch_) return;
    SetWindowTextW(memotempssearch_, platform::win32::widen(folder).c_str());
    UpdateWindow(memotempssearch_);
}

void CleaningPage::showCleaningLists(bool lists) {
    showCleaningPage();
    if (lists) setInnerPage(cleaning::cleaning_lists);
}

void CleaningPage::layout() {
    if (!page_) return;
    RECT client{};
    GetClientRect(page_, &client);
    for (HWND inner : {lists_->hwnd(), report_.hwnd()}) {
        if (inner) SetWindowPos(inner, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The grid has moved under what covers it.
    for (HWND cover : {pVarj_, memotempssearch_}) {
        // Its own visibility bit: the main window may be hidden in the tray.
        if (cover && (GetWindowLongW(cover, GWL_STYLE) & WS_VISIBLE)) coverContainerGrid(cover);
    }
}

}  // namespace kefelo::ui
