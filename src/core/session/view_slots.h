#pragma once
// The pages' views as the session's models hold them. The models are built before the
// windows; each page attaches its view once it exists, and until then (or in a run
// without windows) what the models say goes nowhere.
#include <string>

#include "core/app/main_frame.h"
#include "core/app/main_shell.h"
#include "core/cleaning/cleaning_log.h"
#include "core/cleaning/cleaning_page_view.h"
#include "core/containers/discovery.h"
#include "core/search/search_page_model.h"

namespace kefelo::session {

class CleaningViewSlot : public cleaning::CleaningPageView {
public:
    CleaningViewSlot(app::MainShell& shell, std::string fileVersion)
        : shell_(shell), fileVersion_(std::move(fileVersion)) {}
    void attach(cleaning::CleaningPageView* view) { view_ = view; }

    void showCleaningPage() override {
        if (view_) view_->showCleaningPage();
    }
    void setCleaningPage(int page) override {
        if (view_) view_->setCleaningPage(page);
    }
    void setReportCaption(const std::string& caption) override {
        if (view_) view_->setReportCaption(caption);
    }
    void showReportHalt(bool visible) override {
        if (view_) view_->showReportHalt(visible);
    }
    void showReportButtons(bool visible) override {
        if (view_) view_->showReportButtons(visible);
    }
    void hideLog() override {
        if (view_) view_->hideLog();
    }
    void showLog(const cleaning::CleaningLog& log) override {
        if (view_) view_->showLog(log);
    }
    // `mUtolsoUritChange`: while a cleaning run blinks, the tray tells where it is.
    void setLastPathText(const std::string& text) override;
    void focusReportButtons() override {
        if (view_) view_->focusReportButtons();
    }
    void setAutodelButtonEnabled(bool enabled) override {
        if (view_) view_->setAutodelButtonEnabled(enabled);
    }
    void setCurrentTaskRow(int row) override {
        if (view_) view_->setCurrentTaskRow(row);
    }
    void listsChanged() override {
        if (view_) view_->listsChanged();
    }
    void setContainerAddEnabled(bool enabled) override {
        if (view_) view_->setContainerAddEnabled(enabled);
    }

private:
    app::MainShell& shell_;
    std::string fileVersion_;
    cleaning::CleaningPageView* view_ = nullptr;
};

class DiscoveryViewSlot : public containers::DiscoveryView {
public:
    void attach(containers::DiscoveryView* view) { view_ = view; }

    void setInitialCaption(const std::string& caption) override {
        if (view_) view_->setInitialCaption(caption);
    }
    void showContainerGrid(bool shown) override {
        if (view_) view_->showContainerGrid(shown);
    }
    void setCurrentContainerRow(int row) override {
        if (view_) view_->setCurrentContainerRow(row);
    }
    void showCleaningLists(bool lists) override {
        if (view_) view_->showCleaningLists(lists);
    }
    void showSearchedFolder(const std::string& folder) override {
        if (view_) view_->showSearchedFolder(folder);
    }
    void listsChanged() override {
        if (view_) view_->listsChanged();
    }

private:
    containers::DiscoveryView* view_ = nullptr;
};

class SearchViewSlot : public search::SearchView {
public:
    void attach(search::SearchView* view) { view_ = view; }

    void searchPageChanged() override {
        if (view_) view_->searchPageChanged();
    }
    void foundFilesChanged() override {
        if (view_) view_->foundFilesChanged();
    }
    bool searchPageShown() override { return view_ && view_->searchPageShown(); }
    void showSearchPage() override {
        if (view_) view_->showSearchPage();
    }
    void focusFoundFiles() override {
        if (view_) view_->focusFoundFiles();
    }

private:
    search::SearchView* view_ = nullptr;
};

}  // namespace kefelo::session
