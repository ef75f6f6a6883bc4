#pragma once
// The search page (page 1 of the main page control): the inner page control `pcKereses`
// with hidden tabs, its settings page and its results page. The life of a search, the
// found files and their rules are the session's search model; the page copies the
// model's state to the controls when the model says it changed, and turns clicks and keys
// into the model's commands. The main window and the status bar are the model's own
// (its frame and status line); the page only shows hints on that status line.
#include <functional>
#include <string>

#include "core/app/status_line.h"
#include "core/config/type_lists.h"
#include "core/search/search_page_model.h"
#include "ui/app/main_page.h"
#include "ui/common/window.h"
#include "ui/controls/subclass.h"
#include "ui/search/search_results_view.h"
#include "ui/search/search_settings_view.h"

namespace kefelo::ui {

class SearchPage : public Window, public MainPage, private search::SearchView {
public:
    // What the page needs of the main window around it.
    struct Host {
        // The hint of the control under the mouse goes there.
        app::StatusLine& status;
        // Whether this page is the main page control's page now, and bringing it up.
        std::function<bool()> searchPageShown;
        std::function<void()> showSearchPage;
        // "Saját típusaim" of the lists' selection popup.
        std::function<void()> openOwnTypes;
        // "Betömörítés" of the active files.
        std::function<void()> compress = {};
    };

    SearchPage() = default;
    ~SearchPage() override;

    // --- MainPage ---
    // Over the session's search model; the page becomes the model's view.
    bool create(const MainPageContext& context) override;
    // The page came up: other parts may have ticked the lists (a directory hand-over);
    // the found-files grid or the category list takes the focus.
    void pageChanged(app::MainPage shown) override;
    // The found files are checked against the disk.
    void activated() override;
    void configurationReloaded() override { refresh(); }
    // Esc halts a search or goes back to the settings.
    bool previewKey(const MSG& msg) override;

    // The page over a model that someone else connects to view().
    bool create(HINSTANCE instance, HWND page, search::SearchPageModel& model, config::TypeLists& lists, Host host);
    // What the model calls; nothing reaches the controls before the page is created.
    search::SearchView& view() { return *this; }

    // Everything again as the core holds it now.
    void refresh();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool createWindow(HINSTANCE instance, HWND page);
    void fitToPage();
    void layout();
    void setInnerPage(int page);
    void showHint(const std::string& hint);

    // --- search::SearchView ---
    void searchPageChanged() override;
    void foundFilesChanged() override;
    bool searchPageShown() override;
    void showSearchPage() override;
    void focusFoundFiles() override;

    search::SearchPageModel* model_ = nullptr;
    // The session whose model talks to this page, when made through MainPage.
    session::Session* session_ = nullptr;
    app::StatusLine* status_ = nullptr;
    std::function<bool()> searchPageShown_;
    std::function<void()> showSearchPage_;
    std::function<void()> openOwnTypes_;
    // The focus stays where it is while the diagnostic console is on.
    std::function<bool()> diagnosticMode_;
    HWND page_ = nullptr;
    int innerPage_ = search::search_settings;
    SearchSettingsView settings_;
    SearchResultsView results_;
    Subclass pageHook_;
};

}  // namespace kefelo::ui
