// The search page over page 1 of the main page control, and the own-types editor that its
// lists and the task editors' lists open.
#include "ui/app/main_window.h"

namespace kefelo::ui {

void MainWindow::openOwnTypes() {
    if (!ownTypes_ || !typeLists_) return;
    RECT r{};
    GetWindowRect(hwnd(), &r);
    typeLists_->menuitem_selectmytypesClick(ownTypes_->editor(),
                                            config::WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top},
                                            [this] { ownTypes_->showModal(); });
}

bool MainWindow::createSearchPage() {
    if (!typeLists_) return false;
    searchPage_ = std::make_unique<SearchPage>(*typeLists_);
    if (!searchPage_->create(instance_, pageWindow(app::page_filesearch))) return false;
    searchPage_->openOwnTypes = [this] { openOwnTypes(); };
    // Other parts may tick the search lists (a directory handover ticks them all).
    pageChangeHandlers.push_back([this](int page) {
        if (page == app::page_filesearch) searchPage_->refresh();
    });
    return true;
}

}  // namespace kefelo::ui
