#pragma once
// A search page wired as the session wires it, over the fake platform: the walker's
// events go to the page while the activity is the file search.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/null_views.h"
#include "core/config/categories.h"
#include "core/config/config_model.h"
#include "core/config/type_lists.h"
#include "core/search/search_folders.h"
#include "core/search/search_page_model.h"
#include "platform/fake/fake_platform.h"

namespace kefelo::searchtest {

// A main window that remembers what the search told it.
class RecordingSearchView : public apptest::NullStatusLine, public apptest::NullMainFrame, public search::SearchView {
public:
    bool visible = true;
    int page = 1;
    bool blinking = false;
    int blinkTag = -1;
    bool centred = false;
    bool hourglass = false;
    std::string status = "previous status";
    std::string trayHint;
    int pageChanges = 0;
    int listChanges = 0;
    // In order: "showSearchPage", "restore", "searchVege", "quit", "hideBalloon", "focus".
    std::vector<std::string> events;

    std::function<void()> onListChange;

    void searchPageChanged() override { ++pageChanges; }
    void foundFilesChanged() override {
        ++listChanges;
        if (onListChange) onListChange();
    }
    bool mainWindowVisible() override { return visible; }
    bool searchPageShown() override { return page == 1; }
    void showSearchPage() override {
        page = 1;
        events.push_back("showSearchPage");
    }
    void repaint() override {}
    void restoreFromTray() override {
        visible = true;
        events.push_back("restore");
    }
    void searchVege() override { events.push_back("searchVege"); }
    void quit() override { events.push_back("quit"); }
    void setStatusText(const std::string& text) override { status = text; }
    void setStatusCentred(bool c) override { centred = c; }
    void startBlinking(int tag) override {
        blinking = true;
        blinkTag = tag;
    }
    void stopBlinking() override { blinking = false; }
    void setTrayHint(const std::string& hint) override { trayHint = hint; }
    void hideBalloon() override { events.push_back("hideBalloon"); }
    void setHourglassCursor(bool on) override { hourglass = on; }
    void focusFoundFiles() override { events.push_back("focus"); }
};

class SearchTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    config::ConfigModel config;
    config::MaskTable masks;
    config::TypeLists lists{masks, ui};
    app::CommandLine commandLine;
    RecordingSearchView view;
    search::TSearchFolders Search{platform};
    std::unique_ptr<search::SearchPageModel> page;
    // The walk's folders as the page was told of them.
    std::vector<std::string> progress;

    SearchTest() {
        config.edit_searchpath.items = {std::string(config::kBrowseItem)};
        config.list_protectfiles.items = {"data.bak", "readme.txt"};
        Search.PumpIntervalMs = 0;
        Search.OnProcess = [this](search::TSearchFolders& s, const std::string& dir, int64_t count, int64_t) {
            if (s.Tag == app::Activity::FileSearch) {
                progress.push_back(dir);
                page->SearchFoldersProcess(dir, count);
            }
        };
        Search.OnChanged = [this](search::TSearchFolders& s, int64_t, int64_t) {
            if (s.Tag == app::Activity::FileSearch) page->SearchFoldersChanged();
        };
        rebuild();
    }

    void rebuild(std::vector<std::string> params = {}) {
        commandLine = app::CommandLine(std::move(params));
        page = std::make_unique<search::SearchPageModel>(
            search::SearchContext{platform, config, lists, Search, commandLine, view, view, view, "3.2.1.0"});
        page->PumpIntervalMs = 0;
        page->ProgressIntervalMs = 0;
    }

    // Ticks categories by index and every type they bring.
    void tickCategories(std::initializer_list<int> categories) {
        for (int c : categories) lists.list_searchcategory.items[static_cast<size_t>(c)].ticked = true;
        lists.list_searchcategoryClickCheck();
        for (auto& item : lists.list_searchext.items) item.ticked = true;
    }

    void search(const std::string& location) {
        page->location.setText(location);
        page->button_searchbeginClick();
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& m : ui.messages) out.push_back(m.text);
        return out;
    }
    std::vector<std::string> foundPaths() const {
        std::vector<std::string> out;
        for (size_t i = 0; i < page->found.size(); ++i) out.push_back(page->found.fullPath(i));
        return out;
    }
};

}  // namespace kefelo::searchtest
